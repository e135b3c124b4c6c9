// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// $XDG_CONFIG_HOME/<appName>/settings.sqlite, or ~/.config/... without it.
QString settingsFilePath(const QString &appName);
