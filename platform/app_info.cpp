// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/app_info.h"

#include <QCoreApplication>
#include <QDir>

QString appTitle() {
    return QStringLiteral("Quorvel");
}

QString appId() {
    return QStringLiteral(QUORVEL_APP_ID);
}

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

// Found from the program's own folder, so that an install works wherever
// it was put.
QString dataFolder() {
    return QDir::cleanPath(programFolder() + QStringLiteral("/" QUORVEL_DATA_FROM_PROGRAM));
}

int versionMajor() {
    return QUORVEL_VERSION_MAJOR;
}

int versionMinor() {
    return QUORVEL_VERSION_MINOR;
}

int versionPatch() {
    return QUORVEL_VERSION_PATCH;
}
