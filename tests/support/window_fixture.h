// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "app/frm_tables.h"
#include "fake_announcer.h"
#include "fake_clock.h"
#include "fake_dialogs.h"
#include "fake_file_system.h"
#include "fake_modal_runner.h"
#include "fake_process_starter.h"
#include "fake_random.h"
#include "fake_registry.h"
#include "fake_store.h"

#include <QAction>
#include <QtTest>

#include <memory>

// A main window wired to fakes, with lookups of its controls by name.
struct WindowFixture {
    FakeDialogs dialogs;
    FakeStore store;
    FakeClock clock;
    FakeRandom random;
    FakeModalRunner modal;
    FakeRegistry registry;
    FakeFileSystem files;
    FakeProcessStarter processes;
    FakeAnnouncer announcer;
    std::unique_ptr<frmTables> window;

    frmTables &make() {
        window = std::make_unique<frmTables>(
            Services{dialogs, store, clock, random, modal, registry, files, processes, announcer});
        return *window;
    }
    // Makes the window and runs start-up with this name typed at the prompt.
    frmTables &start(const QString &name = QStringLiteral("Sam")) {
        dialogs.inputAnswers.push_back(name);
        make().Form_Load();
        return *window;
    }

    template <typename T = QWidget> T *control(const QString &name) const {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }
    QAction *action(const QString &name) const { return control<QAction>(name); }
};
