// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/transcript.h"

#include "drill/blanks.h"

namespace {
// Longer texts are kept whole.
QString rightAligned(const QString &text) {
    return text.rightJustified(3, QLatin1Char(' '));
}
} // namespace

QString transcriptLine(int table, int multiplier, const QString &answer) {
    return rightAligned(QString::number(table)) + QStringLiteral("  x ") +
           rightAligned(QString::number(multiplier)) + QStringLiteral("\t\t") +
           rightAligned(QString::number(table * multiplier)) + QStringLiteral("\t") +
           rightAligned(trimBlanks(answer)) + QStringLiteral("\r\n");
}
