// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/practice_draw.h"

#include "platform/random_source.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::size_t mostSums = std::size_t(tablesShown * multipliersShown);

// A fixed-size list: a draw allocates nothing.
struct Group {
    std::array<Sum, mostSums> sums;
    std::size_t size = 0;
    void add(Sum sum) { sums[size++] = sum; }
    bool isEmpty() const { return size == 0; }
    Sum pick(float r) const { return sums[std::min(std::size_t(r * float(size)), size - 1)]; }
};

bool restedEnough(Sum sum, std::span<const AskedSum> earlier) {
    const std::size_t recent = std::min(earlier.size(), std::size_t(troubleSpacing));
    return std::none_of(earlier.end() - std::ptrdiff_t(recent), earlier.end(),
                        [sum](const AskedSum &asked) { return asked.sum == sum; });
}

} // namespace

std::optional<Sum> drawPracticeSum(std::span<const int> tables, const Knowledge &known,
                                   std::span<const AskedSum> earlier, std::int64_t today,
                                   RandomSource &random) {
    Knowledge now = known;
    addGame(now, earlier, today);
    // No sum of the grid is {0, 0}.
    const Sum previous = earlier.empty() ? Sum{} : earlier.back().sum;

    Group trouble, due, others;
    std::array<bool, tablesShown> seen{};
    for (int table : tables) {
        if (!isSumShown(table, 1) || std::exchange(seen[std::size_t(table - firstTable)], true))
            continue;
        for (int multiplier = 1; multiplier <= multipliersShown; ++multiplier) {
            const Sum sum{table, multiplier};
            if (sum == previous)
                continue;
            const SumKnowledge &state = now.of(table, multiplier);
            if (learningState(state) == LearningState::Trouble) {
                if (restedEnough(sum, earlier))
                    trouble.add(sum);
            } else if (isDue(state, today)) {
                due.add(sum);
            } else {
                others.add(sum);
            }
        }
    }
    if (trouble.isEmpty() && due.isEmpty() && others.isEmpty())
        return std::nullopt;

    const double troubleWeight = trouble.isEmpty() ? 0.0 : troubleShare;
    const double rest = 1.0 - troubleWeight;
    const double dueWeight = due.isEmpty() ? 0.0 : others.isEmpty() ? rest : rest * dueShare;
    const double othersWeight = others.isEmpty() ? 0.0 : rest - dueWeight;
    const double total = troubleWeight + dueWeight + othersWeight;
    const double which = double(random.next()) * total;
    const float r = random.next();
    if (!trouble.isEmpty() && (which < troubleWeight || (due.isEmpty() && others.isEmpty())))
        return trouble.pick(r);
    if (!due.isEmpty() && (which < troubleWeight + dueWeight || others.isEmpty()))
        return due.pick(r);
    return others.pick(r);
}
