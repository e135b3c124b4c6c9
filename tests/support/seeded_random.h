// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/clock_seeded_random.h"

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
