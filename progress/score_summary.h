// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "progress/played_game.h"

#include <optional>

// The straight line that fits the scores best (least squares), as its height
// in per cent at the first game and at the last.
struct TrendLine {
    double atFirst;
    double atLast;
    double rise() const { return atLast - atFirst; }
};

// Needs two games at least.
std::optional<TrendLine> fitTrend(const std::vector<int> &percents);

struct ScoreSummary {
    int first = 0;
    int last = 0;
    int best = 0;
    int average = 0; // rounded
    std::optional<TrendLine> trend;
};

// Nothing for no games.
std::optional<ScoreSummary> summarise(const std::vector<int> &percents);

// Rises smaller than this, in percentage points, read as steady.
inline constexpr double steadyWithin = 5;
