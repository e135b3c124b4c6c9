// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/announcer.h"

#include <QStringList>
#include <QWidget>

// Records what would have been spoken, and about which control.
class FakeAnnouncer : public Announcer {
  public:
    void announce(QWidget &about, const QString &text) override {
        spoken << text;
        controls << about.objectName();
    }

    QStringList spoken;
    QStringList controls;
};
