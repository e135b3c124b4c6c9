// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Writes each history key given, a line each, as the program shows it in the language the
// environment asks for, so that the end-to-end games look for the very title the program writes.
//
//   shown_key <key>...
#include "drill/shown_date.h"
#include "platform/ui_language.h"

#include <QCoreApplication>
#include <QDate>

#include <cstdio>

int main(int argc, char *argv[]) {
    const QCoreApplication application(argc, argv);
    const QLocale locale = shownLocale(uiLanguage(), environmentVariable);
    const int thisYear = QDate::currentDate().year();
    for (int i = 1; i < argc; ++i)
        std::puts(shownKey(QString::fromUtf8(argv[i]), thisYear, locale).toUtf8().constData());
    return 0;
}
