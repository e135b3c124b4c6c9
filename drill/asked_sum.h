// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

struct Sum {
    int table = 0;
    int multiplier = 0;
    bool operator==(const Sum &) const = default;
};

enum class Outcome { Right, Wrong, OutOfTime };

// One sum of a game as it was marked. The record keeps only the wrong ones,
// and not whether the time ran out.
struct AskedSum {
    Sum sum;
    Outcome outcome = Outcome::Right;
};
