// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/clock_seeded_random.h"

#include <map>
#include <random>

// Real draws from a fixed seed, for tests of how draws are spread.
class SeededRandom : public RandomSource {
  public:
    explicit SeededRandom(unsigned seed = 1) : engine_(seed) {}
    void reseed() override {}
    float next() override { return unitFloatFromBits(std::uint32_t(engine_())); }

  private:
    std::mt19937 engine_;
};

// Pearson's chi-square of counts that should be alike; for n kinds it stays
// below about 2n unless they are not alike.
template <typename Kind> double unevenness(const std::map<Kind, int> &counts) {
    double total = 0;
    for (const auto &[kind, count] : counts)
        total += count;
    const double expected = total / double(counts.size());
    double chiSquare = 0;
    for (const auto &[kind, count] : counts)
        chiSquare += (count - expected) * (count - expected) / expected;
    return chiSquare;
}
