// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QDateTime>

// The local date and time, so tests can fix the moment.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};
