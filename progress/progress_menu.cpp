// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// "Progress": the current player's history at a glance.
#include "app/frm_tables.h"

#include "history/history_text.h"
#include "platform/clock.h"
#include "platform/modal_runner.h"
#include "progress/frm_progress.h"

void frmTables::mnuProgress_Click() {
    const QDateTime now = services_.clock.now();
    frmProgress window(
        readPlayerHistory(services_.store, historySection(PlayerName), now.date().year()),
        PlayerName, now, services_.announcer, this);
    services_.modal.runModal(window);
}
