// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/clock.h"

// Stands still at whatever moment the test sets.
class FakeClock : public Clock {
  public:
    QDateTime now() const override { return current; }

    QDateTime current{QDate(2026, 12, 6), QTime(14, 3, 9)};
};
