// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// "Progress": the current player's history at a glance.
#include "app/frm_tables.h"

#include "history/history_text.h"
#include "platform/clock.h"
#include "platform/freed_memory.h"
#include "platform/modal_runner.h"
#include "progress/frm_progress.h"
#include "progress/history_digest.h"
#include "progress/kept_knowledge.h"

#include <QApplication>

void frmTables::mnuProgress_Click() {
    bool practise = false;
    {
        const QString section = historySection(PlayerName);
        const QDateTime now = services_.clock.now();
        const int thisYear = now.date().year();
        HistoryRead read;
        PlayerHistory history = readPlayerHistory(services_.store, section, thisYear, &read);
        Knowledge knowledge = keptKnowledge(services_.store, section, history);
        frmProgress window(std::move(history), std::move(knowledge), PlayerName, now,
                           services_.announcer, this);
        services_.modal.runModal(window);
        // Once the window is closed, where the time is not missed.
        keepHistoryDigest(services_.store, section, window.history(), read, thisYear);
        practise = window.practiseChosen();
    }
    // The window and a long history are megabytes, gone with it.
    returnFreedMemory();
    if (practise)
        mnuPractise_Click();
}

void frmTables::tmrReadAhead_Timer() {
    // The reading holds the window up for some tens of milliseconds at a
    // hundred thousand games: never while a sum is timed or a dialog is up.
    if (GameInProgress || QApplication::activeModalWidget())
        return;
    // Its digest is kept only once the store has checked its file, some tenths
    // of a second at a long history: until then the two would slow each other.
    if (services_.store.checking()) {
        tmrReadAhead.start(100);
        return;
    }
    // Another program's lock is not waited for: the window would be held up.
    services_.store.setWaitForLocks(false);
    refreshHistoryDigest(services_.store, historySection(PlayerName),
                         services_.clock.now().date().year());
    services_.store.setWaitForLocks(true);
    returnFreedMemory();
}
