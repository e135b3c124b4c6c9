// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// What the program knows about itself.
QString appTitle();
// The name of its desktop entry and of its icon in the desktop's theme.
QString appId();
QString programFolder();
// Where an installed program finds the files it reads.
QString dataFolder();
int versionMajor();
int versionMinor();
int versionPatch();
