// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/wrong_sum_counts.h"

#include <algorithm>

WrongSumCounts countWrongSums(const std::vector<const PlayedGame *> &games,
                              std::span<const WrongSum> wrongSums) {
    WrongSumCounts counts;
    for (const PlayedGame *game : games) {
        std::array<bool, tablesShown> shown{};
        for (const WrongSum &sum : wrongSumsOf(*game, wrongSums)) {
            const int row = sum.table - firstTable;
            int &times = counts.times[std::size_t(row)][std::size_t(sum.multiplier - 1)];
            counts.most = std::max(counts.most, ++times);
            shown[std::size_t(row)] = true;
        }
        for (int row = 0; row < tablesShown; ++row)
            counts.gamesShowingTable[std::size_t(row)] += shown[std::size_t(row)] ? 1 : 0;
    }
    return counts;
}
