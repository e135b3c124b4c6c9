#pragma once

#include <QString>

// $XDG_CONFIG_HOME/<appName>/settings.sqlite, or ~/.config/... without it.
QString settingsFilePath(const QString &appName);
