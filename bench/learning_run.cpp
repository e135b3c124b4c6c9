// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "bench/learning_run.h"

#include "drill/table_list.h"
#include "progress/practice_draw.h"
#include "support/seeded_random.h"

#include <algorithm>
#include <random>
#include <set>

namespace {
constexpr int multiplierCount = 15;
constexpr double recalledEnough = 0.95;
constexpr double secondsToAnswerRight = 3;
constexpr double secondsToAnswerWrong = 4;
constexpr double secondsReadingTheScore = 10;
constexpr int daysInAYear = 365;

// Starts with the fact that failed last time: it usually fails again, so most
// days cost one fact's look-up instead of all of them.
class RecallCheck {
  public:
    explicit RecallCheck(std::vector<int> facts) : facts_(std::move(facts)) {}

    bool allRecalled(const ChildMemory &memory, double now) {
        for (size_t i = 0; i < facts_.size(); ++i) {
            const size_t at = (lastFailed_ + i) % facts_.size();
            if (memory.recall(facts_[at], now) < recalledEnough) {
                lastFailed_ = at;
                return false;
            }
        }
        return true;
    }

    double shareRecalled(const ChildMemory &memory, double now) const {
        const auto recalled = std::count_if(facts_.begin(), facts_.end(), [&](int fact) {
            return memory.recall(fact, now) >= recalledEnough;
        });
        return double(recalled) / double(facts_.size());
    }

  private:
    std::vector<int> facts_;
    size_t lastFailed_ = 0;
};
} // namespace

ChanceDrawing::ChanceDrawing(const QList<int> &tables) {
    for (int table = 2; table <= 15; ++table)
        boxStates_.append(tables.contains(table) ? Qt::Checked : Qt::Unchecked);
}

Sum ChanceDrawing::next(const std::vector<AskedSum> &, const QDate &, RandomSource &random) {
    // As a game draws: the table list afresh, a reseed, then table and multiplier.
    const QList<int> tableList = tableListFor(boxStates_);
    random.reseed();
    const int table = tableList[drawPosition(random.next(), int(tableList.size()) - 1)];
    return {table, drawPosition(random.next(), multiplierCount)};
}

PracticeDrawing::PracticeDrawing(const QList<int> &tables)
    : tables_(tables.begin(), tables.end()) {}

Sum PracticeDrawing::next(const std::vector<AskedSum> &earlier, const QDate &today,
                          RandomSource &random) {
    return drawPracticeSum(tables_, known_, earlier, today.toJulianDay(), random).value();
}

void PracticeDrawing::gameEnded(const std::vector<AskedSum> &game, const QDate &today) {
    addGame(known_, game, today.toJulianDay());
}

std::vector<int> factsOfTables(const QList<int> &tables) {
    std::set<int> facts;
    for (int table : tables) {
        for (int multiplier = 1; multiplier <= multiplierCount; ++multiplier)
            facts.insert(factOf(table, multiplier));
    }
    return {facts.begin(), facts.end()};
}

LearningResult learn(ChildMemory memory, ChildClock clock, SumDrawing &drawing,
                     const LearningSettings &settings, unsigned seed) {
    SeededRandom programRandom(seed);
    std::mt19937 child(~seed);
    std::uniform_real_distribution<double> chance(0, 1);
    const QDate firstDay(2027, 1, 4);
    RecallCheck check(factsOfTables(settings.tables));
    LearningResult result;
    int sums = 0;
    for (int day = 0; day < settings.mostDays; ++day, clock.nextDay()) {
        if (day == daysInAYear)
            result.shareKnownAfterAYear = check.shareRecalled(memory, clock.now());
        if (check.allRecalled(memory, clock.now())) {
            result.sumsUntilKnown = sums;
            if (day < daysInAYear)
                result.shareKnownAfterAYear = 1;
            return result;
        }
        const QDate today = firstDay.addDays(day);
        std::vector<AskedSum> game;
        for (int i = 0; i < settings.sumsPerGame; ++i) {
            const Sum sum = drawing.next(game, today, programRandom);
            const int fact = factOf(sum.table, sum.multiplier);
            const double recall = memory.recall(fact, clock.now());
            if (chance(child) < recall) {
                clock.pass(secondsToAnswerRight);
                memory.see(fact, clock.now());
                game.push_back({sum, Outcome::Right});
            } else if (chance(child) < recall) {
                // A half-known fact gets a guess; an unknown one, nothing.
                clock.pass(secondsToAnswerWrong);
                game.push_back({sum, Outcome::Wrong});
            } else {
                clock.pass(settings.secondsAllowed);
                game.push_back({sum, Outcome::OutOfTime});
            }
        }
        sums += settings.sumsPerGame;
        // The score message shows each sum that went wrong with its product.
        clock.pass(secondsReadingTheScore);
        for (const AskedSum &asked : game) {
            if (asked.outcome != Outcome::Right)
                memory.see(factOf(asked.sum.table, asked.sum.multiplier), clock.now());
        }
        drawing.gameEnded(game, today);
    }
    return result;
}
