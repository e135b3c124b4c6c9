// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/clock.h"

#include <functional>

// Stands still at whatever moment the test sets.
class FakeClock : public Clock {
  public:
    QDateTime now() const override { return current; }
    std::chrono::steady_clock::time_point steadyNow() const override {
        const auto read = steady;
        if (onSteadyRead)
            onSteadyRead();
        return read;
    }

    QDateTime current{QDate(2026, 12, 6), QTime(14, 3, 9)};
    std::chrono::steady_clock::time_point steady{};
    // Runs after every reading of the steady time: the world going on meanwhile.
    std::function<void()> onSteadyRead;
};
