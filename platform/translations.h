// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>
#include <QTranslator>

// Whether the program's own translation into language is built in.
bool isShipped(const QString &language);

// The program's and Qt's translations into one language, in effect while this
// lives. English, or a language without a translation, leaves the source texts.
class Translations {
  public:
    explicit Translations(const QString &language);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

  private:
    QTranslator own_;
    // The standard buttons of message boxes and the name prompt.
    QTranslator qt_;
};
