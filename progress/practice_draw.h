// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "progress/knowledge.h"

#include <optional>

class RandomSource;

// How a practice game shares out its sums.
inline constexpr double troubleShare = 2.0 / 3.0;
// Of the rest, what goes to sums due for review; the others are sums already
// known or not yet due, for confidence.
inline constexpr double dueShare = 3.0 / 4.0;
// A sum that went wrong waits for this many others before it comes back in
// the same game: its product is only shown at the game's end, so asking it
// again soon mostly asks it before it could be learnt.
inline constexpr int troubleSpacing = 10;

// The next sum of a practice game from `tables` (any of 2 to 15; others are
// ignored), given what was known when the game began and the sums asked so
// far in it (those count as they were marked). Each draw takes two numbers
// from `random`, which is not reseeded here.
//
// Sums in trouble take troubleShare of the draws while there are any that have
// rested troubleSpacing sums; of the rest dueShare go to sums due for review
// or never asked, the others to any other sum. Within each group the sum
// unseen the longest comes first, a sum and its turnaround (7 x 8, 8 x 7)
// counting as seen when either was asked; among equals chance decides. Never
// the sum just asked, nor one answered right in this game while there are
// others. With nothing known of these tables the first sum is New Game's:
// every sum as likely. Nothing when no table is one of the grid's.
std::optional<Sum> drawPracticeSum(std::span<const int> tables, const Knowledge &known,
                                   std::span<const AskedSum> earlier, std::int64_t today,
                                   RandomSource &random);
