// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

// What a player knows of each sum, and how it changes with play: plain
// functions, deterministic, free of windows and of the store.
//
// The learning state is a Leitner box per sum. A miss (wrong, or out of time)
// puts the sum in box 0, "trouble". A right answer moves it up one box, at most
// once a day except out of box 0, up to topBox. A sum in box b >= 1 is due
// for review 2^(b-1) days after it was last asked (1, 2, 4, 8, 16 days).

#include "drill/asked_sum.h"
#include "platform/sum_knowledge.h"
#include "progress/played_game.h"

#include <array>
#include <span>
#include <vector>

inline constexpr int topBox = 5;
// Right on this many separate days since the last miss.
inline constexpr int knownBox = 3;

enum class LearningState { NotAsked, Trouble, Learning, Known };

LearningState learningState(const SumKnowledge &sum);
// Trouble and sums never asked are always due.
bool isDue(const SumKnowledge &sum, std::int64_t today);

// Every sum of the tables 2 to 15 and multipliers 1 to 15, each never asked
// until told otherwise.
class Knowledge {
  public:
    Knowledge();
    // Stored rows; a row that names no such sum or does not add up (a hand
    // edit, a damaged file) is left out, as if the sum was never asked.
    explicit Knowledge(const std::vector<SumKnowledge> &stored);

    // The sum must be one of the grid's.
    const SumKnowledge &of(int table, int multiplier) const;
    SumKnowledge &of(int table, int multiplier);
    bool isEmpty() const;
    // The sums asked, to be stored.
    std::vector<SumKnowledge> rows() const;

  private:
    std::array<SumKnowledge, std::size_t(tablesShown *multipliersShown)> sums_;
};

bool isSumShown(int table, int multiplier);
// Whether a stored row can be taken as it is.
bool isSound(const SumKnowledge &row);

// Adds one game's sums, in the order they were asked, on `day`.
void addGame(Knowledge &knowledge, std::span<const AskedSum> game, std::int64_t day);

// For a player with history but no knowledge kept yet: every sum a record
// lists as wrong is in trouble, last asked on the day of its latest record.
Knowledge knowledgeFromHistory(const PlayerHistory &history);
