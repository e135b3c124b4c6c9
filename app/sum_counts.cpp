// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "app/sum_counts.h"

#include <algorithm>

int sumCountIndex(qint16 maxSums) {
    const auto found = std::find(sumCounts.begin(), sumCounts.end(), maxSums);
    return found == sumCounts.end() ? 0 : int(found - sumCounts.begin());
}
