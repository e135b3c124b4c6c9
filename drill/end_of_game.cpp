// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// The end of a game: the score message and the history record.
#include "app/frm_tables.h"

#include "drill/answer_box.h"
#include "drill/history_key.h"
#include "drill/record_text.h"
#include "drill/score.h"
#include "drill/transcript.h"
#include "history/history_text.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "progress/kept_knowledge.h"

#include <QAction>
#include <QFrame>
#include <QMenu>

#include <utility>

void frmTables::EndGame() {
    fraSum->hide();
    if (WrongAnswers == transcriptHeader)
        WrongAnswers.clear();
    const QString ScoreLine = scoreLine(Correct, MaxSums);
    unsavedRecord_ = ScoreLine + WrongAnswers;
    const QString rating = ratingLine(Correct, MaxSums, PlayerName);
    services_.dialogs.messageBox(rating + recordForReading(*unsavedRecord_), MsgButtons::Ok,
                                 MsgIcon::None, {}, rating + recordForListening(*unsavedRecord_));
    if (!saveFinishedGame())
        services_.dialogs.messageBox(tr("Your score could not be saved."), MsgButtons::Ok,
                                     MsgIcon::Exclamation);

    NumberOfSums = 0;
    GameInProgress = false;
    txtAnswer->setLocked(true);
    mnuHistory->setEnabled(true);
    mnuOptions->setEnabled(true);
    mnuHelp->menuAction()->setEnabled(true);
}

bool frmTables::saveFinishedGame() {
    if (!unsavedRecord_)
        return true;
    const QString record = *std::exchange(unsavedRecord_, std::nullopt);
    const QString section = historySection(PlayerName);
    // Keyed by the moment the player closed the score message.
    const QDateTime now = services_.clock.now();
    return addRecord(services_.store, section, now, record,
                     addingGame(services_.store, section, std::exchange(sumsAsked_, {}),
                                now.date().toJulianDay()));
}
