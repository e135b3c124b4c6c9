// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/knowledge.h"

#include <algorithm>

namespace {

// Far beyond any child's play, and far enough below the int limit that the
// sums of a game can be added to a sound row.
constexpr int mostCount = 1'000'000'000;
// QDate's last day of the year 9999.
constexpr std::int64_t lastDay = 5'373'484;

std::size_t indexOf(int table, int multiplier) {
    return std::size_t((table - firstTable) * multipliersShown + multiplier - 1);
}

} // namespace

LearningState learningState(const SumKnowledge &sum) {
    if (sum.asked == 0)
        return LearningState::NotAsked;
    if (sum.box == 0)
        return LearningState::Trouble;
    return sum.box < knownBox ? LearningState::Learning : LearningState::Known;
}

bool isDue(const SumKnowledge &sum, std::int64_t today) {
    if (sum.asked == 0 || sum.box == 0)
        return true;
    return today - sum.lastAsked >= std::int64_t(1) << (sum.box - 1);
}

bool isSumShown(int table, int multiplier) {
    return table >= firstTable && table <= lastTable && multiplier >= 1 &&
           multiplier <= multipliersShown;
}

bool isSound(const SumKnowledge &row) {
    const auto inRange = [](std::int64_t n, std::int64_t most) { return n >= 0 && n <= most; };
    return isSumShown(row.table, row.multiplier) && row.asked >= 1 && row.asked <= mostCount &&
           inRange(row.right, row.asked) && inRange(row.wrong, row.asked) &&
           inRange(row.timedOut, row.asked) &&
           std::int64_t(row.right) + row.wrong + row.timedOut == row.asked &&
           inRange(row.box, std::min(topBox, row.right)) && row.lastAsked >= 1 &&
           row.lastAsked <= lastDay;
}

Knowledge::Knowledge() {
    for (int table = firstTable; table <= lastTable; ++table) {
        for (int multiplier = 1; multiplier <= multipliersShown; ++multiplier) {
            SumKnowledge &sum = of(table, multiplier);
            sum.table = table;
            sum.multiplier = multiplier;
        }
    }
}

Knowledge::Knowledge(const std::vector<SumKnowledge> &stored) : Knowledge() {
    for (const SumKnowledge &row : stored) {
        if (isSound(row))
            of(row.table, row.multiplier) = row;
    }
}

const SumKnowledge &Knowledge::of(int table, int multiplier) const {
    return sums_[indexOf(table, multiplier)];
}

SumKnowledge &Knowledge::of(int table, int multiplier) {
    return sums_[indexOf(table, multiplier)];
}

bool Knowledge::isEmpty() const {
    return std::all_of(sums_.begin(), sums_.end(),
                       [](const SumKnowledge &sum) { return sum.asked == 0; });
}

std::vector<SumKnowledge> Knowledge::rows() const {
    std::vector<SumKnowledge> asked;
    std::copy_if(sums_.begin(), sums_.end(), std::back_inserter(asked),
                 [](const SumKnowledge &sum) { return sum.asked > 0; });
    return asked;
}

void addGame(Knowledge &knowledge, std::span<const AskedSum> game, std::int64_t day) {
    for (const AskedSum &asked : game) {
        if (!isSumShown(asked.sum.table, asked.sum.multiplier))
            continue;
        SumKnowledge &sum = knowledge.of(asked.sum.table, asked.sum.multiplier);
        ++sum.asked;
        switch (asked.outcome) {
        case Outcome::Right:
            ++sum.right;
            // Several right answers on one day show it is remembered for a
            // moment, not that it has been learnt.
            if (sum.box == 0 || sum.lastAsked != day)
                sum.box = std::min(sum.box + 1, topBox);
            break;
        case Outcome::Wrong:
            ++sum.wrong;
            sum.box = 0;
            break;
        case Outcome::OutOfTime:
            ++sum.timedOut;
            sum.box = 0;
            break;
        }
        sum.lastAsked = day;
    }
}

Knowledge knowledgeFromHistory(const PlayerHistory &history) {
    Knowledge knowledge;
    for (const PlayedGame &game : history.games) {
        const std::int64_t day = game.date.toJulianDay();
        for (const WrongSum &wrong : history.wrongSumsOf(game)) {
            SumKnowledge &sum = knowledge.of(wrong.table, wrong.multiplier);
            ++sum.asked;
            ++sum.wrong;
            sum.lastAsked = std::max(sum.lastAsked, day);
        }
    }
    return knowledge;
}
