// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

class Clock;
class QSocketNotifier;

// An interval timer that never ticks early and as little late as it can. The
// toolkit's timers count whole milliseconds, so this one sleeps on a kernel
// timer to the nanosecond and wakes once per tick; keys typed meanwhile wake
// the event loop themselves and are handled as they come. It wakes a little
// ahead of each tick, says so (dueSoon), and waits out the rest awake: after
// seconds asleep the work of a tick takes twice as long, and a second sleep
// would cost a second wake-up and the time it takes to wake.
class PacingTimer : public QObject {
    Q_OBJECT

  public:
    explicit PacingTimer(const Clock &clock, QObject *parent = nullptr);
    ~PacingTimer() override;
    PacingTimer(const PacingTimer &) = delete;
    PacingTimer &operator=(const PacingTimer &) = delete;

    // A new interval takes effect at once and counts from the last start or
    // tick, so changing it never gives the current period more time.
    void setInterval(int milliseconds);
    int interval() const { return intervalMs_; }

    // Starts a fresh period from now.
    void start();
    void stop();
    bool isActive() const { return active_; }

  signals:
    // Shortly before a tick, for work that readies it without changing anything.
    void dueSoon();
    void timeout();

  private:
    using Instant = std::chrono::steady_clock::time_point;

    Instant deadline() const;
    void armForDeadline();
    void wakeUp();
    void waitOutAwake() const;

    const Clock &clock_;
    int timerFd_ = -1;
    QSocketNotifier *wake_ = nullptr; // none when no kernel timer could be had
    QTimer fallback_;
    Instant periodStart_;
    int intervalMs_ = 0;
    bool active_ = false;
};
