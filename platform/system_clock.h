// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/clock.h"

class SystemClock : public Clock {
  public:
    QDateTime now() const override;
    // Without the round trip through local time.
    qint64 msecsSinceEpoch() const override;
    std::chrono::steady_clock::time_point steadyNow() const override;
};
