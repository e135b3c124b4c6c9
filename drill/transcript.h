// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// The wrong answers of a game, one line each below this header.
inline const QString transcriptHeader = QStringLiteral("  Sums\t\tCorrect\tYours\r\n");

// "  7  x  12\t\t 84\t 74\r\n": table, multiplier, product and the answer
// without its blanks, each right-aligned in three characters.
QString transcriptLine(int table, int multiplier, const QString &answer);
