// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/pacing_timer.h"

#include <thread>

namespace {
// Wider than the toolkit timer's usual lateness; the longest the user interface
// is kept waiting once per period.
constexpr std::chrono::milliseconds earlyWake{4};
} // namespace

PacingTimer::PacingTimer(QObject *parent) : QObject(parent) {
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, &PacingTimer::wakeUp);
}

void PacingTimer::setInterval(int milliseconds) {
    intervalMs_ = milliseconds;
    if (isActive())
        armForDeadline();
}

void PacingTimer::start() {
    periodStart_ = MonotonicClock::now();
    armForDeadline();
}

void PacingTimer::stop() {
    wake_.stop();
}

PacingTimer::MonotonicClock::time_point PacingTimer::deadline() const {
    return periodStart_ + std::chrono::milliseconds(intervalMs_);
}

void PacingTimer::armForDeadline() {
    const auto sleep = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline() - MonotonicClock::now() - earlyWake);
    wake_.start(std::max(0, int(sleep.count())));
}

void PacingTimer::wakeUp() {
    // Woken well before the deadline (whole milliseconds round down): wait again.
    if (deadline() - MonotonicClock::now() > earlyWake + std::chrono::milliseconds(1)) {
        armForDeadline();
        return;
    }
    std::this_thread::sleep_until(deadline());
    start();
    emit timeout();
}
