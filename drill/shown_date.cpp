// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/shown_date.h"

#include "drill/history_key.h"

#include <QRegularExpression>

namespace {

bool isUntranslated(const QLocale &locale) {
    return locale.language() == QLocale::C;
}

// The locale's long time form names the time zone, which a record never knew.
QString timeToTheSecond(const QLocale &locale) {
    static const QRegularExpression zone(QStringLiteral(R"(\(?\bt+\b\)?)"));
    return locale.timeFormat(QLocale::LongFormat).remove(zone).trimmed();
}

} // namespace

QString shownDate(QDate date, const QLocale &locale) {
    return isUntranslated(locale) ? date.toString(QStringLiteral("dd/MM/yy"))
                                  : locale.toString(date, QLocale::ShortFormat);
}

QString shownTime(QTime time, const QLocale &locale) {
    return isUntranslated(locale) ? time.toString(QStringLiteral("HH:mm"))
                                  : locale.toString(time, QLocale::ShortFormat);
}

QString shownKey(const QString &key, int thisYear, const QLocale &locale) {
    const std::optional<KeyTime> written = readHistoryKey(key.toUtf8(), thisYear);
    if (!written || isUntranslated(locale))
        return key;
    return shownDate(written->date, locale) + QLatin1Char(' ') +
           locale.toString(written->time, timeToTheSecond(locale));
}
