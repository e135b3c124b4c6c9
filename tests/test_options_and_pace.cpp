// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "support/drill_fixture.h"

class TestOptionsAndPace : public QObject {
    Q_OBJECT

  private slots:
    void allAndClearResetThemselves_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("All") << "chkAllTimes" << true;
        QTest::newRow("Clear") << "chkClear" << false;
    }
    void allAndClearResetThemselves() {
        QFETCH(QString, command);
        QFETCH(bool, ticked);
        DrillFixture fx;
        fx.store.put("Options", "Times 4", "2"); // greyed
        fx.store.put("Options", "Times 9", "1");
        fx.startActive();
        fx.action("mnuOptions")->trigger();
        auto *button = fx.control<QCheckBox>(command);
        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(button, Qt::LeftButton);
            for (int table = 2; table <= 15; ++table)
                QCOMPARE(fx.box(table)->checkState(), ticked ? Qt::Checked : Qt::Unchecked);
            QVERIFY(!button->isChecked());
        }
        QVERIFY(fx.dialogs.messages.empty());
    }

    void optionsSelectsTheStoredCount_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("maxSums");
        QTest::addColumn<int>("selected");
        QTest::newRow("35") << "35" << 35 << 5;
        QTest::newRow("12, on no button") << "12" << 12 << 0;
        QTest::newRow("0") << "0" << 0 << 0;
        QTest::newRow("out of range") << "40000" << 10 << 0;
        QTest::newRow("text") << "many" << 10 << 0;
    }
    void optionsSelectsTheStoredCount() {
        QFETCH(QString, stored);
        QFETCH(int, maxSums);
        QFETCH(int, selected);
        DrillFixture fx;
        fx.store.put("Options", "MaximumSums", stored);
        fx.startActive();
        fx.action("mnuSpeedSlow")->trigger();
        fx.action("mnuOptions")->trigger();
        for (int index = 0; index < 10; ++index)
            QCOMPARE(fx.sumCountButton(index)->isChecked(), index == selected);
        QCOMPARE(fx.state().MaxSums, qint16(maxSums));
        QVERIFY(fx.shown("fraOptions"));
        QVERIFY(!fx.shown("lblWelcome"));
        QVERIFY(!fx.shown("fraSum"));
        // Tab and Shift+Tab enter the counts at the selected one.
        fx.box(15)->setFocus();
        QTest::keyClick(fx.box(15), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), fx.sumCountButton(selected));
        fx.control("chkAllTimes")->setFocus();
        QTest::keyClick(fx.control("chkAllTimes"), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), fx.sumCountButton(selected));

        // Whatever was stored, a game counts the sums of a button.
        fx.newGame({2});
        QCOMPARE(fx.state().MaxSums, qint16(fx.sumCountButton(selected)->text().toInt()));
    }

    // The stored count is a game's from start-up on, whether or not the
    // panel was opened; one no button carries gives way to the selected "10".
    void storedCountReachesAGame_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("openOptions");
        QTest::addColumn<int>("gameSums");
        QTest::newRow("options not opened") << "50" << false << 50;
        QTest::newRow("options opened") << "50" << true << 50;
        QTest::newRow("a count no button carries") << "12" << false << 10;
    }
    void storedCountReachesAGame() {
        QFETCH(QString, stored);
        QFETCH(bool, openOptions);
        QFETCH(int, gameSums);
        DrillFixture fx;
        fx.store.put("Options", "MaximumSums", stored);
        fx.startActive();
        QCOMPARE(fx.state().MaxSums, qint16(stored.toShort()));
        if (openOptions)
            fx.action("mnuOptions")->trigger();
        fx.newGame({6});
        QCOMPARE(fx.state().MaxSums, qint16(gameSums));
        fx.window->close();
        QCOMPARE(fx.store.value("Options", "MaximumSums"), QString::number(gameSums));
    }

    void sumCountButtonSetsMaxSums() {
        DrillFixture fx;
        fx.startActive();
        fx.action("mnuOptions")->trigger();
        QTest::mouseClick(fx.sumCountButton(9), Qt::LeftButton);
        QCOMPARE(fx.state().MaxSums, qint16(100));
        QTest::mouseClick(fx.sumCountButton(3), Qt::LeftButton);
        QCOMPARE(fx.state().MaxSums, qint16(25));
    }

    void paceItemMarksItselfAlone_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("interval");
        QTest::newRow("Slow") << "mnuSpeedSlow" << 7500;
        QTest::newRow("Medium") << "mnuSpeedMedium" << 5000;
        QTest::newRow("Fast") << "mnuSpeedFast" << 3000;
    }
    void paceItemMarksItselfAlone() {
        QFETCH(QString, item);
        QFETCH(int, interval);
        DrillFixture fx;
        // Two marks restored from the store; the first choice leaves one.
        fx.store.put("Options", "FastSpeed", "True");
        fx.startActive();
        for (int round = 0; round < 2; ++round) {
            fx.action(item)->trigger();
            for (const char *pace : {"mnuSpeedSlow", "mnuSpeedMedium", "mnuSpeedFast"})
                QCOMPARE(fx.action(pace)->isChecked(), item == pace);
            QCOMPARE(fx.timer()->interval(), interval);
            QVERIFY(!fx.timer()->isActive());
        }
    }

    void gameTakesThePaceFromTheMarks_data() {
        QTest::addColumn<QString>("slow");
        QTest::addColumn<QString>("medium");
        QTest::addColumn<QString>("fast");
        QTest::addColumn<int>("interval");
        QTest::newRow("first run") << ""
                                   << ""
                                   << "" << 7500;
        QTest::newRow("medium") << "False"
                                << "True"
                                << "False" << 5000;
        QTest::newRow("no mark at all") << "False"
                                        << "False"
                                        << "False" << 3000;
        QTest::newRow("slow and fast marked") << "True"
                                              << "False"
                                              << "True" << 7500;
    }
    void gameTakesThePaceFromTheMarks() {
        QFETCH(QString, slow);
        QFETCH(QString, medium);
        QFETCH(QString, fast);
        QFETCH(int, interval);
        DrillFixture fx;
        const std::pair<const char *, QString> flags[] = {
            {"SlowSpeed", slow}, {"MediumSpeed", medium}, {"FastSpeed", fast}};
        for (const auto &[key, value] : flags) {
            if (!value.isEmpty())
                fx.store.put("Options", key, value);
        }
        fx.startActive();
        fx.newGame({5});
        QCOMPARE(fx.timer()->interval(), interval);
        QVERIFY(fx.timer()->isActive());
    }
};

QTEST_MAIN(TestOptionsAndPace)
#include "test_options_and_pace.moc"
