// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

class Clock;

// An interval timer that never ticks early and as little late as it can. The
// toolkit's timers wake up to a few milliseconds off, so this one wakes a
// little before the deadline and waits out the rest by turns of the event
// loop: keys typed meanwhile are handled before the tick, never after it.
class PacingTimer : public QObject {
    Q_OBJECT

  public:
    explicit PacingTimer(const Clock &clock, QObject *parent = nullptr);

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
    using Instant = std::chrono::steady_clock::time_point;

    Instant deadline() const;
    void armForDeadline();
    void wakeUp();

    const Clock &clock_;
    QTimer wake_;
    Instant periodStart_;
    int intervalMs_ = 0;
};
