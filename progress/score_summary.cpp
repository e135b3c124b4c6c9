// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/score_summary.h"

#include <algorithm>
#include <cmath>
#include <numeric>

std::optional<TrendLine> fitTrend(const std::vector<int> &percents) {
    const auto n = double(percents.size());
    if (percents.size() < 2)
        return std::nullopt;
    const double meanX = (n - 1) / 2;
    const double meanY = std::accumulate(percents.begin(), percents.end(), 0.0) / n;
    double covariance = 0;
    double variance = 0;
    for (std::size_t i = 0; i < percents.size(); ++i) {
        const double dx = double(i) - meanX;
        covariance += dx * (percents[i] - meanY);
        variance += dx * dx;
    }
    const double slope = covariance / variance;
    return TrendLine{meanY - slope * meanX, meanY + slope * meanX};
}

std::optional<ScoreSummary> summarise(const std::vector<int> &percents) {
    if (percents.empty())
        return std::nullopt;
    const double total = std::accumulate(percents.begin(), percents.end(), 0.0);
    return ScoreSummary{percents.front(), percents.back(),
                        *std::max_element(percents.begin(), percents.end()),
                        int(std::lround(total / double(percents.size()))), fitTrend(percents)};
}
