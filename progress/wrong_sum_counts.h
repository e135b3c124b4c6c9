// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "progress/played_game.h"

#include <array>

// How often each sum went wrong over some games, by table (row 0 is the table
// of 2) and multiplier (column 0 is 1).
struct WrongSumCounts {
    std::array<std::array<int, multipliersShown>, tablesShown> times{};
    // Games whose record shows the table. A record keeps only the sums that
    // went wrong, so a game where a table was always right is not counted.
    std::array<int, tablesShown> gamesShowingTable{};
    int most = 0;
};

WrongSumCounts countWrongSums(const std::vector<const PlayedGame *> &games,
                              std::span<const WrongSum> wrongSums);
