// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// Dates and times as the player's language writes them: the default locale,
// which start-up sets from the language the windows speak. The C locale
// (the untranslated program) keeps the form of the history keys.

QString shownDate(QDate date, const QLocale &locale = QLocale());
// Hours and minutes.
QString shownTime(QTime time, const QLocale &locale = QLocale());
// A history key's date and time to the second (read as of thisYear); a key
// in any other form as it is.
QString shownKey(const QString &key, int thisYear, const QLocale &locale = QLocale());
