// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

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

// This run's language: the process environment against the translations built in.
QString uiLanguage();
