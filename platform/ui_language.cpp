// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/ui_language.h"

#include "platform/translations.h"

namespace {

bool isCLocale(const QString &locale) {
    return locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) ||
           locale == QLatin1String("POSIX");
}

// "de_AT.UTF-8@euro" gives "de_AT" and "de".
QStringList withBroaderForms(QString locale) {
    locale = locale.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    locale.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (isCLocale(locale))
        return {QStringLiteral("en")};
    const QString language = locale.section(QLatin1Char('_'), 0, 0);
    if (language.isEmpty())
        return {};
    return language == locale ? QStringList{language} : QStringList{locale, language};
}

} // namespace

QStringList wantedLanguages(const Environment &environment) {
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    if (locale.isEmpty() || isCLocale(locale))
        return {};
    QStringList entries = environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (entries.isEmpty())
        entries = {locale};
    QStringList wanted;
    for (const QString &entry : entries)
        wanted += withBroaderForms(entry);
    return wanted;
}

QString chooseLanguage(const QStringList &wanted,
                       const std::function<bool(const QString &)> &shipped) {
    for (const QString &language : wanted) {
        if (language == QLatin1String("en"))
            return {};
        if (shipped(language))
            return language;
    }
    return {};
}

QLocale shownLocale(const QString &language, const Environment &environment) {
    if (language.isEmpty())
        return QLocale::c();
    for (const char *name : {"LC_ALL", "LC_TIME", "LANG"}) {
        const QString locale = environment(name);
        if (locale.isEmpty())
            continue;
        const QStringList forms = withBroaderForms(locale);
        if (forms.size() == 2 && forms.back() == language.section(QLatin1Char('_'), 0, 0))
            return QLocale(forms.front());
        break;
    }
    return QLocale(language);
}

QString environmentVariable(const char *name) {
    return qEnvironmentVariable(name);
}

QString uiLanguage() {
    return chooseLanguage(wantedLanguages(environmentVariable), isShipped);
}
