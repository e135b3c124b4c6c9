// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "history/history_text.h"

#include "platform/shown_text.h"

#include <QCoreApplication>

QString historySection(const QString &playerName) {
    return QStringLiteral("History\\") + playerName;
}

QString historyTitle(const QString &playerName, int number, int count, const QString &key) {
    //: %1 is the player's name, %2 the record's number, %3 the number of records,
    //: %4 the date and time the game ended.
    return QCoreApplication::translate("History", "%1's History (%2/%3) - %4")
        .arg(shownText(playerName), QString::number(number), QString::number(count),
             shownText(key));
}

QString historyText(const QString &record) {
    return record + QStringLiteral("\r\n\r\n") +
           QCoreApplication::translate("History", "View Next?");
}

QString noHistoryText(const QString &playerName) {
    //: %1 is the player's name.
    return QCoreApplication::translate("History", "No history for %1!").arg(shownText(playerName));
}
