// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "bench/child_memory.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double secondsPerDay = 24 * 60 * 60;
// Two sightings in the same instant are a second apart, so no age is zero.
constexpr double shortestAge = 1;
} // namespace

int factOf(int a, int b) {
    return std::min(a, b) * 16 + std::max(a, b);
}

ChildMemory::ChildMemory(double ability, const std::array<double, factCount> &factEase,
                         MemoryParameters parameters)
    : ability_(ability), factEase_(factEase), parameters_(parameters) {}

double ChildMemory::activation(int fact, double now) const {
    double strength = 0;
    for (const Trace &trace : traces_[size_t(fact)])
        strength += std::exp(-trace.decay * std::log(std::max(now - trace.time, shortestAge)));
    if (strength == 0)
        return -std::numeric_limits<double>::infinity();
    return ability_ + factEase_[size_t(fact)] + std::log(strength);
}

double ChildMemory::recall(int fact, double now) const {
    const double m = activation(fact, now);
    return 1 / (1 + std::exp((parameters_.threshold - m) / parameters_.noise));
}

void ChildMemory::see(int fact, double now) {
    const double decay =
        parameters_.decayScale * std::exp(activation(fact, now)) + parameters_.decayIntercept;
    traces_[size_t(fact)].push_back({now, decay});
}

void ChildClock::pass(double sessionSeconds) {
    now_ += sessionSeconds;
    sessionSoFar_ += sessionSeconds;
}

void ChildClock::nextDay() {
    now_ += betweenSessions_ * std::max(0.0, secondsPerDay - sessionSoFar_);
    sessionSoFar_ = 0;
}

double ChildClock::daysAgo(double days) const {
    return now_ - days * betweenSessions_ * secondsPerDay;
}
