// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// The multiplication sign as the player's school writes it; a translation
// supplies it, English keeps "x".
QString timesSign();

// The large sign between a sum's numbers: English writes it "X".
QString sumSign();

// "x 7": a table as the tables' boxes and the Progress window name it.
QString tableName(int table);

// "7 x 8"
QString sumText(int table, int multiplier);
