// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/random_source.h"

#include <cstdint>
#include <random>

class Clock;

// A draw from 32 random bits: the top 24 fit a float exactly, so rounding can
// never carry the result up to 1.
float unitFloatFromBits(std::uint32_t bits);

class ClockSeededRandom : public RandomSource {
  public:
    explicit ClockSeededRandom(const Clock &clock);

    void reseed() override;
    float next() override;

  private:
    const Clock &clock_;
    std::mt19937 engine_;
};
