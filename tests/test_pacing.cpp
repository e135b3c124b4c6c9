// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/clock_seeded_random.h"
#include "platform/pacing_timer.h"
#include "platform/system_clock.h"
#include "support/fake_clock.h"

#include <QSignalSpy>
#include <QtTest>

// Real time, but only milliseconds of it.
class TestPacing : public QObject {
    Q_OBJECT

    SystemClock clock;

  private slots:
    void neverTicksEarly_data() {
        QTest::addColumn<int>("interval");
        QTest::newRow("0 ms") << 0;
        QTest::newRow("3 ms, inside the early wake") << 3;
        QTest::newRow("25 ms") << 25;
    }
    void neverTicksEarly() {
        QFETCH(int, interval);
        PacingTimer timer(clock);
        QSignalSpy ticks(&timer, &PacingTimer::timeout);
        timer.setInterval(interval);
        for (int round = 0; round < 3; ++round) {
            QElapsedTimer since;
            since.start();
            timer.start();
            QVERIFY(ticks.wait(2000));
            QVERIFY2(since.nsecsElapsed() >= interval * 1'000'000LL,
                     qPrintable(QString::number(since.nsecsElapsed())));
            timer.stop();
        }
    }

    void keepsTickingUntilStopped() {
        PacingTimer timer(clock);
        QSignalSpy ticks(&timer, &PacingTimer::timeout);
        timer.setInterval(5);
        timer.start();
        QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= 2, 2000);
        QVERIFY(timer.isActive());
        timer.stop();
        QVERIFY(!timer.isActive());
        const auto seen = ticks.size();
        QTest::qWait(30);
        QCOMPARE(ticks.size(), seen);
    }

    void newIntervalCountsFromTheStart() {
        PacingTimer timer(clock);
        QSignalSpy ticks(&timer, &PacingTimer::timeout);
        timer.setInterval(60'000);
        QElapsedTimer since;
        since.start();
        timer.start();
        QTest::qWait(100);
        const qint64 changedAt = since.elapsed();
        timer.setInterval(150);
        QCOMPARE(timer.interval(), 150);
        QVERIFY(ticks.wait(2000));
        QVERIFY(since.elapsed() >= 150);
        QVERIFY(since.elapsed() < changedAt + 150);
    }

    // A blinking cursor wakes the program a few times a second; pacing the
    // sums should add no more than a wake-up a tick, not turn the loop.
    void wakesOnceATick() {
        struct WakeUps : QObject {
            int seen = 0;
            bool eventFilter(QObject *, QEvent *event) override {
                seen += event->type() == QEvent::Timer || event->type() == QEvent::SockAct;
                return false;
            }
        } wakeUps;
        PacingTimer timer(clock);
        QSignalSpy ticks(&timer, &PacingTimer::timeout);
        timer.setInterval(20);
        QCoreApplication::instance()->installEventFilter(&wakeUps);
        timer.start();
        for (int tick = 0; tick < 5; ++tick)
            QVERIFY(ticks.wait(2000));
        QCoreApplication::instance()->removeEventFilter(&wakeUps);
        QVERIFY2(wakeUps.seen <= 2 * 5, qPrintable(QString::number(wakeUps.seen)));
    }

    void sameMomentStillGivesFreshDraws() {
        FakeClock clock;
        ClockSeededRandom random(clock);
        random.reseed();
        const float first = random.next();
        random.reseed();
        QVERIFY(random.next() != first);
    }
};

QTEST_GUILESS_MAIN(TestPacing)
#include "test_pacing.moc"
