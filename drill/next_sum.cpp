// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Drawing the sums and pacing them.
#include "app/frm_tables.h"

#include "drill/answer_box.h"
#include "drill/table_list.h"
#include "platform/announcer.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/on_screen.h"
#include "platform/random_source.h"
#include "progress/practice_draw.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>

namespace {
constexpr int multiplierCount = 15;
}

void frmTables::NextSum(const std::optional<AskedSum> &marked) {
    tmrSpeed.stop();
    if (NumberOfSums == MaxSums) {
        EndGame();
        return;
    }

    QList<Qt::CheckState> boxStates;
    for (const QCheckBox *box : chkTimes)
        boxStates.append(box->checkState());
    const QList<int> TableList = tableListFor(boxStates);
    const int tablesTicked = int(TableList.size()) - 1;
    if (tablesTicked == 0) {
        services_.dialogs.messageBox(tr("You must select a table!"));
        fraOptions->show();
        return;
    }

    RandomSource &random = services_.random;
    random.reseed();
    if (practiceKnowledge_) {
        // A ticked table is always one of the grid's, so there is always a sum.
        const Sum sum =
            drawPracticeSum(std::span(TableList.constData() + 1, tablesTicked), *practiceKnowledge_,
                            sumsAsked_, services_.clock.now().date().toJulianDay(), random)
                .value();
        lblNum1->setText(QString::number(sum.table));
        lblNum2->setText(QString::number(sum.multiplier));
    } else {
        lblNum1->setText(QString::number(TableList[drawPosition(random.next(), tablesTicked)]));
        lblNum2->setText(QString::number(drawPosition(random.next(), multiplierCount)));
    }
    txtAnswer->setText(QStringLiteral(" "));
    // The box keeps the focus from sum to sum (a focus change at each deadline
    // would cost time there): it gets no focus event, and its blank must still
    // be selected so the first digit replaces it.
    if (txtAnswer->hasFocus())
        txtAnswer_GotFocus();
    else
        txtAnswer->setFocus();
    ++NumberOfSums;
    if (services_.announcer.listening())
        services_.announcer.announce(
            *txtAnswer, sumSpeech(marked, {lblNum1->text().toInt(), lblNum2->text().toInt()},
                                  NumberOfSums, MaxSums, tmrSpeed.interval()));
    // The child's time for the sum starts when it can be seen, however late the paint.
    putOnScreenNow(*fraSum);
    tmrSpeed.start();
}

// Painted once where nobody sees it just before the deadline, the sum then
// paints in half the time: what painting needs is back in the processor's
// caches after seconds of idling. The wait for the display server to finish
// with the last picture sent (the cursor's blink) is taken now too.
void frmTables::tmrSpeed_DueSoon() {
    if (!fraSum->isVisible())
        return;
    QImage scratch(fraSum->size(), QImage::Format_RGB32);
    fraSum->render(&scratch);
    settleDrawnWindow(*fraSum);
}

void frmTables::tmrSpeed_Timer() {
    NextSum(MarkAnswer());
}
