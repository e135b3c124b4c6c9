// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QtGlobal>

#include <array>

// The sums-per-game choices, in the order of the option buttons.
inline constexpr std::array<qint16, 10> sumCounts{10, 15, 20, 25, 30, 35, 40, 45, 50, 100};

// The button that shows this count; counts no button carries fall to the first.
int sumCountIndex(qint16 maxSums);
