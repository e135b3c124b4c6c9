// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "bench/child_memory.h"

#include <QtTest>

namespace {
// Sightings of one fact, in days (fractions are within that day's session), and
// the day of the test.
struct Schedule {
    QList<double> seen;
    double tested;
};

double recallAfter(const Schedule &schedule) {
    const double day = 24 * 60 * 60 * MemoryParameters{}.betweenSessions;
    ChildMemory memory(0, {});
    for (double seen : schedule.seen)
        memory.see(factOf(7, 8), seen * day);
    return memory.recall(factOf(8, 7), schedule.tested * day);
}
} // namespace

Q_DECLARE_METATYPE(Schedule)

class TestChildMemory : public QObject {
    Q_OBJECT

  private slots:
    void betterRecalled_data() {
        QTest::addColumn<Schedule>("better");
        QTest::addColumn<Schedule>("worse");
        QTest::newRow("seen more often") << Schedule{{0, 0.05, 0.1}, 1} << Schedule{{0}, 1};
        QTest::newRow("tested sooner") << Schedule{{0}, 1} << Schedule{{0}, 7};
        QTest::newRow("seen lately") << Schedule{{0, 20}, 21} << Schedule{{0}, 21};
        QTest::newRow("spaced over days")
            << Schedule{{0, 1, 2, 3}, 33} << Schedule{{3, 3.01, 3.02, 3.03}, 33};
        QTest::newRow("never seen") << Schedule{{0}, 365} << Schedule{{}, 1};
    }
    void betterRecalled() {
        QFETCH(Schedule, better);
        QFETCH(Schedule, worse);
        QCOMPARE_GT(recallAfter(better), recallAfter(worse));
    }

    void daysPassMostlyBetweenSessions() {
        ChildClock clock(0.025);
        clock.pass(100);
        clock.nextDay();
        QCOMPARE(clock.now(), 100 + 0.025 * (86400 - 100));
        QCOMPARE(clock.daysAgo(1), 100 + 0.025 * (86400 - 100) - 0.025 * 86400);
    }
};

QTEST_APPLESS_MAIN(TestChildMemory)
#include "test_child_memory.moc"
