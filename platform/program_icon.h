// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QIcon>

// The program's icon from the desktop's theme, at every size the theme has;
// without an installed theme icon, the artwork built into the program.
QIcon programIcon();
