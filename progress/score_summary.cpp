// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/score_summary.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
double totalPercent(std::span<const PlayedGame *const> games) {
    return std::accumulate(
        games.begin(), games.end(), 0.0,
        [](double total, const PlayedGame *game) { return total + percentRight(*game); });
}
} // namespace

std::optional<TrendLine> fitTrend(std::span<const PlayedGame *const> games) {
    const auto n = double(games.size());
    if (games.size() < 2)
        return std::nullopt;
    const double meanX = (n - 1) / 2;
    const double meanY = totalPercent(games) / n;
    double covariance = 0;
    double variance = 0;
    for (std::size_t i = 0; i < games.size(); ++i) {
        const double dx = double(i) - meanX;
        covariance += dx * (percentRight(*games[i]) - meanY);
        variance += dx * dx;
    }
    const double slope = covariance / variance;
    return TrendLine{meanY - slope * meanX, meanY + slope * meanX};
}

std::optional<ScoreSummary> summarise(std::span<const PlayedGame *const> games) {
    if (games.empty())
        return std::nullopt;
    int best = 0;
    for (const PlayedGame *game : games)
        best = std::max(best, percentRight(*game));
    return ScoreSummary{percentRight(*games.front()), percentRight(*games.back()), best,
                        int(std::lround(totalPercent(games) / double(games.size()))),
                        fitTrend(games)};
}
