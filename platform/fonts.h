// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QFont>

// Reads the system's font configuration and the font lists it keeps, as the
// toolkit does on its first text. Safe on any thread, and before the toolkit.
void loadFontConfiguration();

// Maps the classic face names the windows ask for onto the free faces that
// Debian ships with the same metrics.
void installFontSubstitutes();

QFont designFont(const QString &family, qreal pointSize, bool bold = false, bool underline = false);

// "MS Sans Serif" 8.25 pt: what a control uses without a font of its own.
QFont windowFont();
