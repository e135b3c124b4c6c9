// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

// Reads one environment variable; unset and empty are alike.
using Environment = std::function<QString(const char *name)>;

// The languages the user asks for, most wanted first, each followed by its
// broader form ("de_AT", then "de"), by the rules gettext programs follow:
// LANGUAGE, else the first of LC_ALL, LC_MESSAGES and LANG that is set; a
// C or POSIX locale asks for untranslated text and overrides LANGUAGE.
QStringList wantedLanguages(const Environment &environment);

// The first wanted language that is shipped, or the empty text (English) when
// English comes first or none is shipped.
QString chooseLanguage(const QStringList &wanted,
                       const std::function<bool(const QString &)> &shipped);

// The locale that writes dates for the windows' language: the user's own
// (LC_ALL, LC_TIME, LANG) when it is of that language, as de_CH is of "de",
// else the language's main one; the C locale for the untranslated program.
QLocale shownLocale(const QString &language, const Environment &environment);

// The process environment, read.
QString environmentVariable(const char *name);

// This run's language: the process environment against the translations built in.
QString uiLanguage();
