// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Typing, submitting and marking answers.
#include "app/frm_tables.h"

#include "drill/answer_box.h"
#include "drill/answer_keys.h"
#include "drill/blanks.h"
#include "drill/score.h"
#include "drill/transcript.h"
#include "platform/dialogs.h"

#include <QLabel>

void frmTables::txtAnswer_KeyPress(int &keyAscii) {
    const KeyOutcome outcome = answerKeyOutcome(keyAscii, txtAnswer->isLocked());
    if (outcome == KeyOutcome::LetThrough)
        return;
    keyAscii = 0;
    if (outcome == KeyOutcome::Refuse) {
        services_.dialogs.beep();
        return;
    }
    // Enter on a blank box leaves the sum waiting.
    if (!trimBlanks(txtAnswer->text()).isEmpty())
        NextSum(MarkAnswer());
}

void frmTables::txtAnswer_GotFocus() {
    txtAnswer->setSelection(0, int(txtAnswer->text().size()));
}

AskedSum frmTables::MarkAnswer() {
    const QString answer = txtAnswer->text();
    const int table = lblNum1->text().toInt();
    const int multiplier = lblNum2->text().toInt();
    const Outcome outcome = outcomeOf(answer, {table, multiplier});
    sumsAsked_.push_back({{table, multiplier}, outcome});
    if (outcome == Outcome::Right) {
        ++Correct;
        lblCorrect->setText(correctCaption(Correct));
    } else {
        WrongAnswers += transcriptLine(table, multiplier, answer);
        ++Wrong;
        lblWrong->setText(wrongCaption(Wrong));
    }
    return sumsAsked_.back();
}
