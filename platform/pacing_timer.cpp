#include "platform/pacing_timer.h"

namespace {
// How long before the deadline to stop trusting the toolkit's timer; wider
// than its usual lateness, so the last stretch is always measured here.
constexpr qint64 earlyWakeNs = 4'000'000;
constexpr qint64 nsPerMs = 1'000'000;
} // namespace

PacingTimer::PacingTimer(QObject *parent) : QObject(parent) {
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, &PacingTimer::wakeUp);
    monotonic_.start();
}

void PacingTimer::setInterval(int milliseconds) {
    intervalMs_ = milliseconds;
    if (isActive())
        armForDeadline();
}

void PacingTimer::start() {
    periodStartNs_ = monotonic_.nsecsElapsed();
    armForDeadline();
}

void PacingTimer::stop() {
    wake_.stop();
}

qint64 PacingTimer::nanosecondsLeft() const {
    return periodStartNs_ + intervalMs_ * nsPerMs - monotonic_.nsecsElapsed();
}

void PacingTimer::armForDeadline() {
    const qint64 sleepNs = nanosecondsLeft() - earlyWakeNs;
    // Near the deadline, poll on every pass of the event loop.
    wake_.start(sleepNs > 0 ? int(sleepNs / nsPerMs) : 0);
}

void PacingTimer::wakeUp() {
    if (nanosecondsLeft() > 0) {
        armForDeadline();
        return;
    }
    start();
    emit timeout();
}
