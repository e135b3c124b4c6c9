// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

// Shared by the benchmarks: each figure printed with its aim beside it.

inline double percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const auto at = size_t(std::ceil(fraction * double(values.size()))) - 1;
    return values[std::min(at, values.size() - 1)];
}

inline double median(std::vector<double> values) {
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One line: the figure, and whether it is within its aim (at most `aim`).
inline void printFigure(const char *what, double value, const char *unit, double aim) {
    std::printf("  %-44s %8.2f %-3s  aim <= %g %s  %s\n", what, value, unit, aim, unit,
                value <= aim ? "met" : "NOT MET");
    std::fflush(stdout);
}
