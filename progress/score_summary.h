// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "progress/played_game.h"

#include <optional>
#include <span>

// The straight line that fits the scores best (least squares), as its height
// in per cent at the first game and at the last.
struct TrendLine {
    double atFirst;
    double atLast;
    double rise() const { return atLast - atFirst; }
};

// Needs two games at least.
std::optional<TrendLine> fitTrend(std::span<const PlayedGame *const> games);

struct ScoreSummary {
    int first = 0;
    int last = 0;
    int best = 0;
    int average = 0; // rounded
    std::optional<TrendLine> trend;
};

// Of the games' scores in per cent; nothing for no games.
std::optional<ScoreSummary> summarise(std::span<const PlayedGame *const> games);

// Rises smaller than this, in percentage points, read as steady.
inline constexpr double steadyWithin = 5;
