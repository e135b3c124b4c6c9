// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "bench/child_memory.h"

#include <random>
#include <vector>

// How well a child knew a fact before the first game.
enum class Familiarity { New, Weak, Learning, Known };
using Familiarities = std::array<Familiarity, factCount>;

struct Profile {
    const char *name;
    // By factOf, for factors 1 to 15.
    Familiarities (*familiarities)(std::mt19937 &random);
};

const std::vector<Profile> &learningProfiles();

// A child of the profile at the clock's day 0: an ability and an ease for each
// fact of its own, and the practice it had before, as sightings on earlier days.
ChildMemory drawChild(const Profile &profile, const ChildClock &clock, std::mt19937 &random);
