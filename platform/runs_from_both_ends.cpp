// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/runs_from_both_ends.h"

#include <algorithm>

RunsFromBothEnds::RunsFromBothEnds(qint64 first, qint64 last, qint64 runLength)
    : left_{first, last}, runLength_(std::max<qint64>(1, runLength)) {}

// Ids may lie anywhere a 64-bit number reaches: spans are counted unsigned.
quint64 IdRun::span() const {
    return quint64(last) - quint64(first);
}

IdRun RunsFromBothEnds::takeFront() {
    const std::lock_guard lock(mutex_);
    if (left_.empty())
        return {};
    const quint64 more = std::min(left_.span(), quint64(runLength_ - 1));
    const IdRun run{left_.first, qint64(quint64(left_.first) + more)};
    left_ = run.last == left_.last ? IdRun{} : IdRun{run.last + 1, left_.last};
    return run;
}

IdRun RunsFromBothEnds::takeBack() {
    const std::lock_guard lock(mutex_);
    if (left_.empty())
        return {};
    const quint64 more = std::min(left_.span(), quint64(runLength_ - 1));
    const IdRun run{qint64(quint64(left_.last) - more), left_.last};
    left_ = run.first == left_.first ? IdRun{} : IdRun{left_.first, run.first - 1};
    return run;
}
