// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "history/history_text.h"

#include "drill/shown_date.h"
#include "platform/shown_text.h"

#include <QCoreApplication>

#include <algorithm>

QString historySection(const QString &playerName) {
    return QStringLiteral("History\\") + playerName;
}

QString historyTitle(const QString &playerName, int number, int count, const QString &key,
                     int thisYear) {
    //: %1 is the player's name, %2 the record's number, %3 the number of records,
    //: %4 the date and time the game ended.
    return QCoreApplication::translate("History", "%1's History (%2/%3) - %4")
        .arg(shownText(playerName), QString::number(number), QString::number(count),
             shownText(shownKey(key, thisYear)));
}

QString shownRecord(const QString &record) {
    qsizetype end = std::min(record.size(), maxShownCharacters);
    qsizetype lines = 0;
    for (qsizetype at = 0; at < end; ++at) {
        if (record[at] == QLatin1Char('\n') && ++lines == maxShownLines)
            end = at + 1;
    }
    if (end == record.size())
        return record;
    if (record[end - 1].isHighSurrogate())
        --end;
    QString shown = record.left(end);
    if (!shown.endsWith(QLatin1Char('\n')))
        shown += QStringLiteral("\r\n");
    return shown + QStringLiteral("\r\n") +
           QCoreApplication::translate(
               "History", "This record is too long to show whole: only its start is shown.");
}

QString historyText(const QString &record) {
    return record + QStringLiteral("\r\n\r\n") +
           QCoreApplication::translate("History", "View Next?");
}

QString noHistoryText(const QString &playerName) {
    //: %1 is the player's name.
    return QCoreApplication::translate("History", "No history for %1!").arg(shownText(playerName));
}
