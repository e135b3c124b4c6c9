// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "history/history_text.h"

QString historySection(const QString &playerName) {
    return QStringLiteral("History\\") + playerName;
}

QString historyTitle(const QString &playerName, int number, int count, const QString &key) {
    return playerName + QStringLiteral("'s History (") + QString::number(number) +
           QLatin1Char('/') + QString::number(count) + QStringLiteral(") - ") + key;
}

QString historyText(const QString &record) {
    return record + QStringLiteral("\r\n\r\nView Next?");
}

QString noHistoryText(const QString &playerName) {
    return QStringLiteral("No history for ") + playerName + QLatin1Char('!');
}
