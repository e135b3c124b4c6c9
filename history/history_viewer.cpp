// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// "View History": one message box per finished game of the current player.
#include "app/frm_tables.h"

#include "drill/record_text.h"
#include "history/history_records.h"
#include "history/history_text.h"
#include "history/record_counter.h"
#include "platform/app_info.h"
#include "platform/clock.h"
#include "platform/dialogs.h"

#include <stdexcept>

namespace {

// Returns false when there is nothing to show or showing it failed part-way;
// the caller then says there is no history, whatever was already shown.
bool pageThroughHistory(Dialogs &dialogs, SettingsBackend &store, const QString &playerName,
                        int thisYear) {
    try {
        HistoryRecords rows(store, historySection(playerName));
        if (rows.count() == 0)
            return false;
        const qint16 count = recordCounter(rows.count());
        for (qint16 index = 0; index < count; ++index) {
            const auto &[key, record] = rows.next();
            const MsgResult answer = dialogs.messageBox(
                historyText(shownRecord(recordForReading(record))), MsgButtons::YesNo,
                MsgIcon::Information, historyTitle(playerName, index + 1, count, key, thisYear),
                historyText(recordForListening(shownRecord(record))));
            if (answer == MsgResult::No)
                break;
        }
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace

void frmTables::mnuHistory_Click() {
    if (!pageThroughHistory(services_.dialogs, services_.store, PlayerName,
                            services_.clock.now().date().year()))
        services_.dialogs.messageBox(noHistoryText(PlayerName), MsgButtons::Ok,
                                     MsgIcon::Exclamation, appTitle());
}
