// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "about/about_texts.h"

#include <QStringList>

QString versionText(int major, int minor) {
    return QStringLiteral("Version ") + QString::number(major) + QLatin1Char('.') +
           QString::number(minor);
}

QString authorHeading() {
    return QStringLiteral("Made by");
}

QString authorDetails() {
    return QStringList{
        QStringLiteral("Quorvel developers"), QStringLiteral("A multiplication-tables game"),
        QStringLiteral("No e-mail address"),  QStringLiteral("No web page"),
        QStringLiteral("Copyright 2026"),
    }
        .join(QStringLiteral("\r\n"));
}

QString disclaimerText() {
    return QStringLiteral("Warning: Quorvel is given as it is, without warranty of any kind. "
                          "Use it at your own risk.");
}
