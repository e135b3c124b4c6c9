// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

// An interval timer that never ticks early and as little late as it can. The
// toolkit's timers wake up to a few milliseconds off, so this one wakes a
// little before the deadline and sleeps out the rest on the monotonic clock,
// which the kernel ends within microseconds.
class PacingTimer : public QObject {
    Q_OBJECT

  public:
    explicit PacingTimer(QObject *parent = nullptr);

    // A new interval takes effect at once and counts from the last start or
    // tick, so changing it never gives the current period more time.
    void setInterval(int milliseconds);
    int interval() const { return intervalMs_; }

    // Starts a fresh period from now.
    void start();
    void stop();
    bool isActive() const { return wake_.isActive(); }

  signals:
    void timeout();

  private:
    using MonotonicClock = std::chrono::steady_clock;

    MonotonicClock::time_point deadline() const;
    void armForDeadline();
    void wakeUp();

    QTimer wake_;
    MonotonicClock::time_point periodStart_;
    int intervalMs_ = 0;
};
