// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/times_sign.h"

#include <QCoreApplication>

namespace {
const QString untranslated = QStringLiteral("x");
}

QString timesSign() {
    //: The multiplication sign your schools teach children (for example × or ·), as in 7 x 8.
    return QCoreApplication::translate("Sums", "x");
}

QString sumSign() {
    const QString sign = timesSign();
    return sign == untranslated ? QStringLiteral("X") : sign;
}

QString tableName(int table) {
    // The tables' boxes were sized for "x 15": a wider sign takes a narrower space.
    const QString sign = timesSign();
    const QChar space = sign == untranslated ? QChar(u' ') : QChar(0x202F);
    return sign + space + QString::number(table);
}

QString sumText(int table, int multiplier) {
    return QString::number(table) + QLatin1Char(' ') + timesSign() + QLatin1Char(' ') +
           QString::number(multiplier);
}
