// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "settings/stored_text.h"

#include <limits>

bool flagFromText(const QString &text, bool defaultValue) {
    if (text == QLatin1String("True"))
        return true;
    if (text == QLatin1String("False"))
        return false;
    return defaultValue;
}

QString flagText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

qint16 int16FromText(const QString &text, qint16 defaultValue) {
    const QString trimmed = text.trimmed();
    const qsizetype firstDigit = trimmed.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (trimmed.size() == firstDigit)
        return defaultValue;
    for (qsizetype i = firstDigit; i < trimmed.size(); ++i) {
        if (trimmed[i] < QLatin1Char('0') || trimmed[i] > QLatin1Char('9'))
            return defaultValue;
    }
    bool ok = false;
    const qlonglong value = trimmed.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max())
        return defaultValue;
    return qint16(value);
}

int checkValueFromText(const QString &text, int defaultValue) {
    const qint16 value = int16FromText(text, -1);
    return value >= 0 && value <= 2 ? value : defaultValue;
}
