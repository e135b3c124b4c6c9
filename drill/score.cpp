// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/score.h"

namespace {
const QString twoLineBreaks = QStringLiteral("\r\n\r\n");

// Whole percentages compared without dividing: p >= bound exactly when
// 100 * correct >= bound * maxSums.
bool reaches(int correct, int maxSums, int percent) {
    return 100 * correct >= percent * maxSums;
}

QString ratingPhrase(int correct, int maxSums) {
    if (correct == maxSums)
        return QStringLiteral("EXCELLENT, ");
    if (reaches(correct, maxSums, 80))
        return QStringLiteral("VERY GOOD, ");
    if (reaches(correct, maxSums, 70))
        return QStringLiteral("NOT BAD, ");
    if (reaches(correct, maxSums, 60))
        return QStringLiteral("CAN DO BETTER, ");
    return {};
}
} // namespace

QString scoreLine(int correct, int maxSums) {
    return QStringLiteral("You have scored %1/%2.").arg(correct).arg(maxSums) + twoLineBreaks;
}

QString ratingLine(int correct, int maxSums, const QString &playerName) {
    const QString phrase = ratingPhrase(correct, maxSums);
    return phrase.isEmpty() ? QString() : phrase + playerName + QLatin1Char('!') + twoLineBreaks;
}

QString correctCaption(int correct) {
    return QStringLiteral("Correct: %1").arg(correct);
}

QString wrongCaption(int wrong) {
    return QStringLiteral("Wrong: %1").arg(wrong);
}
