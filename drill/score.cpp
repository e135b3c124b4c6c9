// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/score.h"

#include "platform/shown_text.h"

#include <QCoreApplication>

namespace {
const QString twoLineBreaks = QStringLiteral("\r\n\r\n");

// Whole percentages compared without dividing: p >= bound exactly when
// 100 * correct >= bound * maxSums.
bool reaches(int correct, int maxSums, int percent) {
    return 100 * correct >= percent * maxSums;
}

//: %1 is the player's name.
const char *ratingPhrase(int correct, int maxSums) {
    if (correct == maxSums)
        return QT_TRANSLATE_NOOP("EndOfGame", "EXCELLENT, %1!");
    if (reaches(correct, maxSums, 80))
        return QT_TRANSLATE_NOOP("EndOfGame", "VERY GOOD, %1!");
    if (reaches(correct, maxSums, 70))
        return QT_TRANSLATE_NOOP("EndOfGame", "NOT BAD, %1!");
    if (reaches(correct, maxSums, 60))
        return QT_TRANSLATE_NOOP("EndOfGame", "CAN DO BETTER, %1!");
    return nullptr;
}
} // namespace

QString scoreLine(int correct, int maxSums) {
    return QString::fromLatin1(scoredText).arg(correct).arg(maxSums) + twoLineBreaks;
}

QString ratingLine(int correct, int maxSums, const QString &playerName) {
    const char *phrase = ratingPhrase(correct, maxSums);
    return phrase ? QCoreApplication::translate("EndOfGame", phrase).arg(shownText(playerName)) +
                        twoLineBreaks
                  : QString();
}

QString correctCaption(int correct) {
    return QCoreApplication::translate("frmTables", "Correct: ") + QString::number(correct);
}

QString wrongCaption(int wrong) {
    return QCoreApplication::translate("frmTables", "Wrong: ") + QString::number(wrong);
}
