// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QDateTime>

#include <chrono>

// The local date and time, and the monotonic time that paces the sums, so
// tests can fix the moment.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // The same moment as now(), counted from the epoch.
    virtual qint64 msecsSinceEpoch() const { return now().toMSecsSinceEpoch(); }
    virtual std::chrono::steady_clock::time_point steadyNow() const = 0;
};
