// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/random_source.h"

#include <deque>

// Hands out scripted draws, then `fallback`; counts the reseeds.
class FakeRandom : public RandomSource {
  public:
    void reseed() override { ++reseeds; }
    float next() override {
        if (draws.empty())
            return fallback;
        const float draw = draws.front();
        draws.pop_front();
        return draw;
    }

    std::deque<float> draws;
    float fallback = 0.0f;
    int reseeds = 0;
};
