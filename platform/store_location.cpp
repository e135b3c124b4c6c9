// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/store_location.h"

#include <QDir>

QString settingsFilePath(const QString &appName) {
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG rules say a relative value is to be ignored.
    if (configHome.isEmpty() || QDir::isRelativePath(configHome))
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + QLatin1Char('/') + appName + QStringLiteral("/settings.sqlite");
}
