// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Starting and cancelling a game.
#include "app/frm_tables.h"

#include "drill/answer_box.h"
#include "drill/score.h"
#include "drill/transcript.h"
#include "history/history_text.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "progress/kept_knowledge.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

#include <algorithm>

void frmTables::mnuNewGame_Click() {
    startGame(false);
}

void frmTables::mnuPractise_Click() {
    startGame(true);
}

void frmTables::startGame(bool practice) {
    // A greyed box alone does not make a game.
    const bool anyTicked = std::any_of(chkTimes.begin(), chkTimes.end(), [](const QCheckBox *box) {
        return box->checkState() == Qt::Checked;
    });
    if (!anyTicked) {
        lblWelcome->hide();
        services_.dialogs.messageBox(tr("You must select a table!"));
        fraOptions->show();
        return;
    }

    const auto selected =
        std::find_if(optNumSums.begin(), optNumSums.end(),
                     [](const QRadioButton *button) { return button->isChecked(); });
    if (selected != optNumSums.end())
        MaxSums = (*selected)->text().toShort();

    mnuOptions->setEnabled(false);
    mnuHistory->setEnabled(false);
    mnuHelp->menuAction()->setEnabled(false);
    fraOptions->hide();
    lblWelcome->show();

    Correct = 0;
    Wrong = 0;
    NumberOfSums = 0;
    lblCorrect->setText(correctCaption(Correct));
    lblWrong->setText(wrongCaption(Wrong));
    txtAnswer->setLocked(false);
    fraSum->show();
    WrongAnswers = transcriptHeader;
    GameInProgress = true;
    sumsAsked_.clear();
    practiceKnowledge_ =
        practice
            ? std::make_unique<Knowledge>(keptKnowledge(services_.store, historySection(PlayerName),
                                                        services_.clock.now().date().toJulianDay()))
            : nullptr;

    SetSpeed();
    NextSum();
}

void frmTables::mnuCancelGame_Click() {
    if (GameInProgress) {
        // Stopped before the message, so no tick can mark a sum meanwhile.
        tmrSpeed.stop();
        services_.dialogs.messageBox(tr("Game cancelled by request!"));
        NumberOfSums = 0;
        txtAnswer->setLocked(true);
        GameInProgress = false;
    }
    fraSum->hide();
    fraOptions->hide();
    lblWelcome->show();
    mnuHistory->setEnabled(true);
    mnuOptions->setEnabled(true);
    mnuHelp->menuAction()->setEnabled(true);
}
