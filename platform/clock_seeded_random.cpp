// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/clock_seeded_random.h"

#include "platform/clock.h"

float unitFloatFromBits(std::uint32_t bits) {
    return float(bits >> 8) * 0x1p-24f;
}

ClockSeededRandom::ClockSeededRandom(const Clock &clock) : clock_(clock) {}

void ClockSeededRandom::reseed() {
    // The generator's own next output goes in too, so two sums drawn within the
    // same millisecond still differ.
    const auto millis = std::uint64_t(clock_.msecsSinceEpoch());
    std::seed_seq seed{std::uint32_t(millis), std::uint32_t(millis >> 32),
                       std::uint32_t(engine_())};
    engine_.seed(seed);
}

float ClockSeededRandom::next() {
    return unitFloatFromBits(engine_());
}
