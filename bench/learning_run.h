// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "bench/child_memory.h"
#include "drill/asked_sum.h"
#include "platform/random_source.h"
#include "progress/knowledge.h"

#include <QDate>
#include <QList>

#include <optional>
#include <vector>

// How the program chooses a game's sums, and what it takes in from a finished game.
class SumDrawing {
  public:
    virtual ~SumDrawing() = default;
    // The sums of this game so far, as they were marked.
    virtual Sum next(const std::vector<AskedSum> &earlier, const QDate &today,
                     RandomSource &random) = 0;
    virtual void gameEnded(const std::vector<AskedSum> &game, const QDate &today) = 0;
};

// New Game's drawing: any ticked table, any multiplier, each equally likely.
class ChanceDrawing : public SumDrawing {
  public:
    explicit ChanceDrawing(const QList<int> &tables);
    Sum next(const std::vector<AskedSum> &earlier, const QDate &today,
             RandomSource &random) override;
    void gameEnded(const std::vector<AskedSum> &, const QDate &) override {}

  private:
    QList<Qt::CheckState> boxStates_;
};

// The practice game's drawing, and what the program keeps of each game.
class PracticeDrawing : public SumDrawing {
  public:
    explicit PracticeDrawing(const QList<int> &tables);
    Sum next(const std::vector<AskedSum> &earlier, const QDate &today,
             RandomSource &random) override;
    void gameEnded(const std::vector<AskedSum> &game, const QDate &today) override;

  private:
    std::vector<int> tables_;
    Knowledge known_;
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

struct LearningResult {
    // Until, at the start of a day, the child recalls every fact of the ticked
    // tables with 95 % probability; nothing if that day did not come.
    std::optional<int> sumsUntilKnown;
    // The share of those facts so recalled at the start of the second year.
    double shareKnownAfterAYear = 0;
};

// One game a day, until every fact is known or for the settings' days.
LearningResult learn(ChildMemory memory, ChildClock clock, SumDrawing &drawing,
                     const LearningSettings &settings, unsigned seed);
