// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/pacing_timer.h"

#include "platform/clock.h"

namespace {
// Wider than the toolkit timer's usual lateness; the longest the event loop
// spins once per period.
constexpr std::chrono::milliseconds earlyWake{4};
} // namespace

PacingTimer::PacingTimer(const Clock &clock, QObject *parent) : QObject(parent), clock_(clock) {
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
    periodStart_ = clock_.steadyNow();
    armForDeadline();
}

void PacingTimer::stop() {
    wake_.stop();
}

PacingTimer::Instant PacingTimer::deadline() const {
    return periodStart_ + std::chrono::milliseconds(intervalMs_);
}

// Inside the early wake this comes round again on the next turn of the event
// loop, after the events already waiting.
void PacingTimer::armForDeadline() {
    const auto sleep = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline() - clock_.steadyNow() - earlyWake);
    wake_.start(std::max(0, int(sleep.count())));
}

void PacingTimer::wakeUp() {
    if (clock_.steadyNow() < deadline()) {
        armForDeadline();
        return;
    }
    start();
    emit timeout();
}
