// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

// Pseudo-random draws for the sums, so tests can choose them.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Stirs the time of day into the generator.
    virtual void reseed() = 0;
    // Uniform in [0, 1); never 1.
    virtual float next() = 0;
};
