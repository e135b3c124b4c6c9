// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "app/sum_announcement.h"

#include <QCoreApplication>
#include <QString>
#include <QWidget>

void announceSum(QWidget &answerBox, int number, int count, const QString &table,
                 const QString &multiplier) {
    // The sum's number makes the text differ from the last one even when the
    // same sum comes up twice running; an unchanged text would not be spoken.
    answerBox.setAccessibleDescription(
        //: Spoken by a screen reader: %1 is the sum's number in the game, %2 the number of sums,
        //: %3 and %4 the two factors.
        QCoreApplication::translate("frmTables", "Sum %1 of %2: %3 times %4")
            .arg(QString::number(number), QString::number(count), table, multiplier));
}
