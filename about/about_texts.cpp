// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "about/about_texts.h"

#include <QCoreApplication>
#include <QStringList>

QString versionText(int major, int minor) {
    return QCoreApplication::translate("frmAbout", "Version ") + QString::number(major) +
           QLatin1Char('.') + QString::number(minor);
}

QString authorHeading() {
    return QCoreApplication::translate("frmAbout", "Made by");
}

QString authorDetails() {
    return QStringList{
        QCoreApplication::translate("frmAbout", "Quorvel developers"),
        QCoreApplication::translate("frmAbout", "A multiplication-tables game"),
        QCoreApplication::translate("frmAbout", "No e-mail address"),
        QCoreApplication::translate("frmAbout", "No web page"),
        QCoreApplication::translate("frmAbout", "Copyright 2026"),
    }
        .join(QLatin1Char('\n'));
}

QString disclaimerText() {
    return QCoreApplication::translate("frmAbout",
                                       "Warning: Quorvel is given as it is, without warranty of "
                                       "any kind. Use it at your own risk.");
}
