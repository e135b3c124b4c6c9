// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/pacing_timer.h"

#include "platform/clock.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>

namespace {
// Enough to ready a tick and wake, on an idle machine.
constexpr std::chrono::microseconds wakeAhead(1500);
} // namespace

PacingTimer::PacingTimer(const Clock &clock, QObject *parent)
    : QObject(parent), clock_(clock),
      timerFd_(::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (timerFd_ >= 0) {
        wake_ = new QSocketNotifier(timerFd_, QSocketNotifier::Read, this);
        wake_->setEnabled(false);
        connect(wake_, &QSocketNotifier::activated, this, &PacingTimer::wakeUp);
    }
    // Without a kernel timer to spare, whole milliseconds rounded up: late, never early.
    fallback_.setSingleShot(true);
    fallback_.setTimerType(Qt::PreciseTimer);
    connect(&fallback_, &QTimer::timeout, this, &PacingTimer::wakeUp);
}

PacingTimer::~PacingTimer() {
    delete wake_;
    if (timerFd_ >= 0)
        ::close(timerFd_);
}

void PacingTimer::setInterval(int milliseconds) {
    intervalMs_ = milliseconds;
    if (active_)
        armForDeadline();
}

void PacingTimer::start() {
    periodStart_ = clock_.steadyNow();
    active_ = true;
    armForDeadline();
}

void PacingTimer::stop() {
    active_ = false;
    fallback_.stop();
    if (wake_) {
        wake_->setEnabled(false);
        const itimerspec disarmed{};
        ::timerfd_settime(timerFd_, 0, &disarmed, nullptr);
    }
}

PacingTimer::Instant PacingTimer::deadline() const {
    return periodStart_ + std::chrono::milliseconds(intervalMs_);
}

// A deadline already past still comes round on the next turn of the event
// loop, after the events already waiting.
void PacingTimer::armForDeadline() {
    using namespace std::chrono;
    // Zero would disarm the kernel timer.
    const nanoseconds left = std::max(nanoseconds(1), deadline() - wakeAhead - clock_.steadyNow());
    if (!wake_) {
        fallback_.start(int(ceil<milliseconds>(left).count()));
        return;
    }
    const auto whole = duration_cast<seconds>(left);
    itimerspec due{};
    due.it_value.tv_sec = time_t(whole.count());
    due.it_value.tv_nsec = long((left - whole).count());
    ::timerfd_settime(timerFd_, 0, &due, nullptr);
    wake_->setEnabled(true);
}

void PacingTimer::wakeUp() {
    if (wake_) {
        std::uint64_t expirations = 0;
        // Drained, or the notifier would fire again at once.
        [[maybe_unused]] const ssize_t got = ::read(timerFd_, &expirations, sizeof expirations);
        wake_->setEnabled(false);
    }
    if (!active_)
        return;
    // The clock that sets the pace has the last word.
    if (clock_.steadyNow() < deadline() - wakeAhead) {
        armForDeadline();
        return;
    }
    emit dueSoon();
    waitOutAwake();
    // Keys typed before the deadline count for the sum they answer; one that
    // answers it, or a game cancelled, starts or stops the period itself.
    const Instant period = periodStart_;
    QCoreApplication::processEvents();
    if (!active_ || periodStart_ != period)
        return;
    if (clock_.steadyNow() < deadline()) {
        armForDeadline();
        return;
    }
    start();
    emit timeout();
}

// Never longer than it woke ahead, whatever the pacing clock says.
void PacingTimer::waitOutAwake() const {
    const auto giveUp = std::chrono::steady_clock::now() + wakeAhead;
    while (clock_.steadyNow() < deadline() && std::chrono::steady_clock::now() < giveUp) {
    }
}
