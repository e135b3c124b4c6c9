// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "bench/child_memory.h"
#include "platform/random_source.h"

#include <QDate>
#include <QList>

#include <optional>
#include <random>
#include <vector>

struct Sum {
    int table = 0;
    int multiplier = 0;
};

enum class Outcome { Right, Wrong, TimedOut };

struct AskedSum {
    Sum sum;
    Outcome outcome = Outcome::Right;
};

// How the program chooses a game's sums, and what it takes in from a finished game.
class SumDrawing {
  public:
    virtual ~SumDrawing() = default;
    // The sums of this game so far, as they were marked.
    virtual Sum next(const std::vector<AskedSum> &earlier, const QDate &today, RandomSource &random) = 0;
    virtual void gameEnded(const std::vector<AskedSum> &game, const QDate &today) = 0;
};

// New Game's drawing: any ticked table, any multiplier, each equally likely.
class ChanceDrawing : public SumDrawing {
  public:
    explicit ChanceDrawing(const QList<int> &tables);
    Sum next(const std::vector<AskedSum> &earlier, const QDate &today, RandomSource &random) override;
    void gameEnded(const std::vector<AskedSum> &, const QDate &) override {}

  private:
    QList<Qt::CheckState> boxStates_;
};

// Draws from a seed alone, so a run can be repeated.
class SeededRandom : public RandomSource {
  public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    void reseed() override {}
    float next() override;

  private:
    std::mt19937 engine_;
};

struct LearningSettings {
    QList<int> tables;
    int sumsPerGame = 20;
    int mostDays = 3 * 365;
    // Medium pace.
    double secondsAllowed = 5;
};

// Every fact the ticked tables ask.
std::vector<int> factsOfTables(const QList<int> &tables);

// One game a day until, at the start of a day, the child recalls every fact of
// the ticked tables with 95 % probability: the sums played by then, or nothing
// if that day does not come within the settings' days.
std::optional<int> sumsUntilKnown(ChildMemory memory, ChildClock clock, SumDrawing &drawing,
                                  const LearningSettings &settings, unsigned seed);
