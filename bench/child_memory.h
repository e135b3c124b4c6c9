// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <array>
#include <vector>

// A simulated child's memory of the multiplication facts: each sighting of a
// fact leaves a trace whose strength falls off as a power of its age, and a
// trace laid down while the fact is still fresh decays faster (which is what
// makes spaced practice pay). Parameters as published for vocabulary learning.
struct MemoryParameters {
    double decayIntercept = 0.177;
    double decayScale = 0.217;
    double threshold = -0.704;
    double noise = 0.255;
    // Time between sessions counts for this share of time within one.
    double betweenSessions = 0.025;
};

// 7 x 8 and 8 x 7 are one fact to the child.
int factOf(int a, int b);
constexpr int factCount = 16 * 16;

class ChildMemory {
  public:
    // Times are in seconds of the child's own clock (see ChildClock). `ability`
    // shifts every fact's activation; `factEase` each fact's (by factOf).
    ChildMemory(double ability, const std::array<double, factCount> &factEase,
                MemoryParameters parameters = {});

    double activation(int fact, double now) const;
    double recall(int fact, double now) const;
    // The fact seen with its answer: in a right answer, or in the score message.
    void see(int fact, double now);

    const MemoryParameters &parameters() const { return parameters_; }

  private:
    struct Trace {
        double time;
        double decay;
    };
    double ability_;
    std::array<double, factCount> factEase_;
    MemoryParameters parameters_;
    std::array<std::vector<Trace>, factCount> traces_;
};

// Real time as the memory feels it: a session runs at full speed, the rest of
// the day at `betweenSessions` of it. Days start with their session.
class ChildClock {
  public:
    explicit ChildClock(double betweenSessions) : betweenSessions_(betweenSessions) {}

    double now() const { return now_; }
    void pass(double sessionSeconds);
    // To the start of the next day's session.
    void nextDay();
    // The time of a session `daysAgo` days before this one's start.
    double daysAgo(double days) const;

  private:
    double betweenSessions_;
    double now_ = 0;
    double sessionSoFar_ = 0;
};
