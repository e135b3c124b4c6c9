// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

namespace {

// Qt lays every window out from the right when the translation in use answers
// "RTL" to this, so the program's own translations carry it.
[[maybe_unused]] constexpr struct {
    const char *source;
    const char *comment;
} layoutDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

QString ownTranslation(const QString &language) {
    return QStringLiteral(":/i18n/quorvel_") + language + QStringLiteral(".qm");
}

} // namespace

bool isShipped(const QString &language) {
    return !language.isEmpty() && QFile::exists(ownTranslation(language));
}

Translations::Translations(const QString &language) {
    if (!isShipped(language))
        return;
    if (own_.load(ownTranslation(language)))
        QCoreApplication::installTranslator(&own_);
    if (qt_.load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&own_);
}
