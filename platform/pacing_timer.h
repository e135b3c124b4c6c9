#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// An interval timer that never ticks early and as little late as it can: the
// toolkit's own timers wake a few milliseconds off, so this one wakes a little
// before the deadline and then waits out the rest on the event loop, measuring
// with the monotonic clock.
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
    void armForDeadline();
    void wakeUp();
    qint64 nanosecondsLeft() const;

    QTimer wake_;
    QElapsedTimer monotonic_;
    qint64 periodStartNs_ = 0;
    int intervalMs_ = 0;
};
