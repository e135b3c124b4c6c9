// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QIcon>

// The artwork built into the program, at hand at once.
QIcon builtInProgramIcon();

// The program's icon from the desktop's theme, at every size the theme has;
// without an installed theme icon, `builtIn`. Looking through the theme costs
// as much as a fifth of the start-up.
QIcon themedProgramIcon(const QIcon &builtIn);
