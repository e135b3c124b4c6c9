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
    // The day each was last seen; never seen is day 0.
    std::array<std::int64_t, mostSums> lastSeen;
    std::size_t size = 0;

    void add(Sum sum, std::int64_t seen) {
        sums[size] = sum;
        lastSeen[size++] = seen;
    }
    bool isEmpty() const { return size == 0; }
    // Among the sums unseen the longest, the one `r` falls on.
    Sum pick(float r) const {
        const auto seen = std::span(lastSeen).first(size);
        const std::int64_t longest = *std::min_element(seen.begin(), seen.end());
        const auto equals = std::size_t(std::count(seen.begin(), seen.end(), longest));
        std::size_t nth = std::min(std::size_t(r * float(equals)), equals - 1);
        for (std::size_t i = 0;; ++i) {
            if (seen[i] == longest && nth-- == 0)
                return sums[i];
        }
    }
};

bool restedEnough(Sum sum, std::span<const AskedSum> earlier) {
    const std::size_t recent = std::min(earlier.size(), std::size_t(troubleSpacing));
    return std::none_of(earlier.end() - std::ptrdiff_t(recent), earlier.end(),
                        [sum](const AskedSum &asked) { return asked.sum == sum; });
}

// The sums of the grid, one flag each.
class SumFlags {
  public:
    void set(Sum sum) {
        if (isSumShown(sum.table, sum.multiplier))
            flags_[indexOf(sum)] = true;
    }
    bool operator[](Sum sum) const { return flags_[indexOf(sum)]; }

  private:
    static std::size_t indexOf(Sum sum) {
        return std::size_t((sum.table - firstTable) * multipliersShown + sum.multiplier - 1);
    }
    std::array<bool, mostSums> flags_{};
};

// To a child 7 x 8 and 8 x 7 are one fact: asking either counts for both,
// also within a game, or the two would keep coming up together. A day after
// today (a clock that was wrong, a hand edit) tells nothing: as never seen,
// the sum comes up soon and its asking puts the day right.
std::int64_t factLastSeen(const Knowledge &known, Sum sum, std::int64_t today) {
    std::int64_t seen = known.of(sum.table, sum.multiplier).lastAsked;
    if (isSumShown(sum.multiplier, sum.table))
        seen = std::max(seen, known.of(sum.multiplier, sum.table).lastAsked);
    return seen > today ? 0 : seen;
}

} // namespace

std::optional<Sum> drawPracticeSum(std::span<const int> tables, const Knowledge &known,
                                   std::span<const AskedSum> earlier, std::int64_t today,
                                   RandomSource &random) {
    Knowledge now = known;
    addGame(now, earlier, today);
    // No sum of the grid is {0, 0}.
    const Sum previous = earlier.empty() ? Sum{} : earlier.back().sum;

    SumFlags answeredRight;
    for (const AskedSum &asked : earlier) {
        if (asked.outcome == Outcome::Right)
            answeredRight.set(asked.sum);
    }

    Group trouble, due, others, rightAlready;
    std::array<bool, tablesShown> seen{};
    for (int table : tables) {
        if (!isSumShown(table, 1) || std::exchange(seen[std::size_t(table - firstTable)], true))
            continue;
        for (int multiplier = 1; multiplier <= multipliersShown; ++multiplier) {
            const Sum sum{table, multiplier};
            if (sum == previous)
                continue;
            const SumKnowledge &state = now.of(table, multiplier);
            const std::int64_t lastSeen = factLastSeen(now, sum, today);
            if (answeredRight[sum]) {
                rightAlready.add(sum, lastSeen);
            } else if (learningState(state) == LearningState::Trouble) {
                if (restedEnough(sum, earlier))
                    trouble.add(sum, lastSeen);
            } else if (isDue(state, today)) {
                due.add(sum, lastSeen);
            } else {
                others.add(sum, lastSeen);
            }
        }
    }
    if (trouble.isEmpty() && due.isEmpty() && others.isEmpty()) {
        // Every sum there is was answered right in this game: ask them again.
        if (rightAlready.isEmpty())
            return std::nullopt;
        others = rightAlready;
    }

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
