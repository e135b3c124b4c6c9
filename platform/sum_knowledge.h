// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <cstdint>

// What is known of one sum for one player, as it is stored.
struct SumKnowledge {
    int table = 0;
    int multiplier = 0;
    int asked = 0;
    int right = 0;
    int wrong = 0;    // answered, but not with the product
    int timedOut = 0; // the time ran out first
    // The day it was last asked, as a Julian day number (QDate::toJulianDay); 0 when never.
    std::int64_t lastAsked = 0;
    // Leitner box: 0 after a miss, one up for each day it is answered right.
    int box = 0;
    bool operator==(const SumKnowledge &) const = default;
};
