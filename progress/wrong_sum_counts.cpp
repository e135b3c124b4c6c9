// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/wrong_sum_counts.h"

#include <algorithm>
#include <bit>
#include <cstdint>

WrongSumCounts countWrongSums(const std::vector<const PlayedGame *> &games,
                              std::span<const WrongSum> wrongSums) {
    static_assert(tablesShown <= 16, "a table's row is a bit of the games' mask");
    WrongSumCounts counts;
    for (const PlayedGame *game : games) {
        std::uint16_t tablesInGame = 0;
        for (const WrongSum &sum : wrongSumsOf(*game, wrongSums)) {
            const int row = sum.table - firstTable;
            ++counts.times[std::size_t(row)][std::size_t(sum.multiplier - 1)];
            tablesInGame |= std::uint16_t(1U << row);
        }
        for (; tablesInGame != 0; tablesInGame &= std::uint16_t(tablesInGame - 1))
            ++counts.gamesShowingTable[std::size_t(std::countr_zero(tablesInGame))];
    }
    for (const auto &row : counts.times)
        counts.most = std::max(counts.most, *std::max_element(row.begin(), row.end()));
    return counts;
}
