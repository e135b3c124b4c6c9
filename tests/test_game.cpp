// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "support/drill_fixture.h"

namespace {
const QString header = QStringLiteral("  Sums\t\tCorrect\tYours\r\n");
const QString sumsSection = QStringLiteral("History\\Sam");

int transcriptLines(const QString &transcript) {
    return transcript.isEmpty() ? 0 : int(transcript.count(QStringLiteral("\r\n"))) - 1;
}
} // namespace

class TestGame : public QObject {
    Q_OBJECT

    // What must hold between any two events of a running game.
    static void checkRunning(const DrillFixture &fx) {
        const GameState state = fx.state();
        QVERIFY(state.GameInProgress);
        QVERIFY(state.NumberOfSums >= 1 && state.NumberOfSums <= state.MaxSums);
        QCOMPARE(state.Correct + state.Wrong, state.NumberOfSums - 1);
        QVERIFY(state.WrongAnswers.startsWith(header));
        QCOMPARE(transcriptLines(state.WrongAnswers), int(state.Wrong));
        QCOMPARE(fx.caption("lblCorrect"), QStringLiteral("Correct: %1").arg(state.Correct));
        QCOMPARE(fx.caption("lblWrong"), QStringLiteral("Wrong: %1").arg(state.Wrong));
        QVERIFY(fx.timer()->isActive());
        QVERIFY(!fx.answerBox()->isLocked());
        QVERIFY(fx.shown("fraSum"));
        QVERIFY(!fx.shown("fraOptions"));
        QVERIFY(fx.shown("lblWelcome"));
        QVERIFY(!fx.action("mnuOptions")->isEnabled());
        QVERIFY(!fx.action("mnuHistory")->isEnabled());
        QVERIFY(!fx.action("mnuProgress")->isEnabled());
        QVERIFY(!fx.helpEnabled());
        QCOMPARE(fx.answerBox()->text(), QString(" "));
        QCOMPARE(fx.answerBox()->selectedText(), QString(" "));
        QVERIFY(fx.answerBox()->hasFocus());
    }

    // The resting layout after a game has ended or been cancelled.
    static void checkIdle(const DrillFixture &fx) {
        QVERIFY(!fx.state().GameInProgress);
        QCOMPARE(fx.state().NumberOfSums, qint16(0));
        QVERIFY(!fx.timer()->isActive());
        QVERIFY(fx.answerBox()->isLocked());
        QVERIFY(!fx.answerBox()->hasFocus());
        QVERIFY(!fx.shown("fraSum"));
        QVERIFY(!fx.shown("fraOptions"));
        QVERIFY(fx.shown("lblWelcome"));
        QVERIFY(fx.action("mnuOptions")->isEnabled());
        QVERIFY(fx.action("mnuHistory")->isEnabled());
        QVERIFY(fx.action("mnuProgress")->isEnabled());
        QVERIFY(fx.helpEnabled());
    }

    static std::vector<FakeStore::Entry> historyWrites(const FakeStore &store) {
        std::vector<FakeStore::Entry> writes;
        for (const FakeStore::Entry &entry : store.writeLog) {
            if (entry.section.startsWith("History"))
                writes.push_back(entry);
        }
        return writes;
    }

  private slots:
    void newGameNeedsATickedTable_data() {
        QTest::addColumn<bool>("greyedBox");
        QTest::newRow("every box clear") << false;
        QTest::newRow("only a greyed box") << true;
    }
    void newGameNeedsATickedTable() {
        QFETCH(bool, greyedBox);
        DrillFixture fx;
        fx.store.put("Options", "Times 5", greyedBox ? "2" : "0");
        fx.startActive();
        bool panelHiddenDuringMessage = false;
        fx.dialogs.whileMessageShown = [&](const FakeDialogs::Message &) {
            panelHiddenDuringMessage = !fx.shown("fraOptions") && !fx.shown("lblWelcome");
        };
        fx.action("mnuNewGame")->trigger();

        QCOMPARE(fx.dialogs.messages.size(), size_t(1));
        const FakeDialogs::Message &message = fx.dialogs.messages[0];
        QCOMPARE(message.text, QString("You must select a table!"));
        QCOMPARE(message.buttons, MsgButtons::Ok);
        QCOMPARE(message.icon, MsgIcon::None);
        QCOMPARE(message.title, QString());
        QVERIFY(panelHiddenDuringMessage);
        QVERIFY(fx.shown("fraOptions"));
        QVERIFY(!fx.state().GameInProgress);
        QCOMPARE(fx.state().NumberOfSums, qint16(0));
        QCOMPARE(fx.state().WrongAnswers, QString());
        QVERIFY(!fx.timer()->isActive());
        QVERIFY(fx.action("mnuOptions")->isEnabled());
    }

    void newGameShowsTheFirstSum() {
        DrillFixture fx;
        fx.startActive();
        fx.action("mnuSpeedMedium")->trigger();
        fx.sumCountButton(3)->click(); // 25
        fx.scriptSum(1, 1, 12);
        fx.newGame({7});
        checkRunning(fx);
        QCOMPARE(fx.state().MaxSums, qint16(25));
        QCOMPARE(fx.state().NumberOfSums, qint16(1));
        QCOMPARE(fx.state().WrongAnswers, header);
        QCOMPARE(fx.caption("lblNum1"), QString("7"));
        QCOMPARE(fx.caption("lblNum2"), QString("12"));
        QCOMPARE(fx.timer()->interval(), 5000);
        QCOMPARE(fx.random.reseeds, 1);
        QVERIFY(fx.dialogs.messages.empty());
    }

    void drawsComeFromTheTickedTables_data() {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QList<int>>("greyed");
        QTest::addColumn<float>("tableDraw");
        QTest::addColumn<float>("multiplierDraw");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("multiplier");
        const float top = std::nextafter(1.0f, 0.0f);
        QTest::newRow("only x 7, lowest draws")
            << QList<int>{7} << QList<int>{} << 0.0f << 0.0f << "7"
            << "1";
        QTest::newRow("only x 15, highest draws")
            << QList<int>{15} << QList<int>{} << top << top << "15"
            << "15";
        QTest::newRow("first of three")
            << QList<int>{2, 9, 15} << QList<int>{} << 0.33f << 0.5f << "2"
            << "8";
        QTest::newRow("last of three")
            << QList<int>{2, 9, 15} << QList<int>{} << 0.67f << 0.5f << "15"
            << "8";
        QTest::newRow("greyed box is drawn")
            << QList<int>{2} << QList<int>{11} << top << 0.0f << "11"
            << "1";
    }
    void drawsComeFromTheTickedTables() {
        QFETCH(QList<int>, ticked);
        QFETCH(QList<int>, greyed);
        QFETCH(float, tableDraw);
        QFETCH(float, multiplierDraw);
        QFETCH(QString, table);
        QFETCH(QString, multiplier);
        DrillFixture fx;
        for (int grey : greyed)
            fx.store.put("Options", QStringLiteral("Times %1").arg(grey - 2), "2");
        fx.startActive();
        for (int t = 2; t <= 15; ++t) {
            if (!greyed.contains(t))
                fx.box(t)->setChecked(ticked.contains(t));
        }
        fx.random.draws = {tableDraw, multiplierDraw};
        fx.action("mnuNewGame")->trigger();
        QCOMPARE(fx.caption("lblNum1"), table);
        QCOMPARE(fx.caption("lblNum2"), multiplier);
    }

    void wholeGameOfTenSums() {
        DrillFixture fx;
        fx.startActive();
        fx.newGame({7});
        // One move per sum: the right answer with Enter, a wrong one with
        // Enter, or the time running out on whatever the box holds.
        enum Move { Right, WrongEntered, TimeOutBlank, TimeOutRightTyped, TimeOutPartTyped };
        const Move moves[] = {
            Right, WrongEntered, TimeOutBlank, Right,       TimeOutRightTyped, TimeOutPartTyped,
            Right, WrongEntered, Right,        TimeOutBlank};
        QString expectedTranscript = header;
        for (int sum = 1; sum <= 10; ++sum) {
            checkRunning(fx);
            QCOMPARE(fx.state().NumberOfSums, qint16(sum));
            const int table = fx.caption("lblNum1").toInt();
            const int multiplier = fx.caption("lblNum2").toInt();
            QCOMPARE(table, 7);
            switch (moves[sum - 1]) {
            case Right:
                fx.type(QString::number(fx.product()));
                fx.enter();
                break;
            case WrongEntered:
                fx.type(QString::number(fx.product() + 1));
                fx.enter();
                expectedTranscript += QStringLiteral("  7  x %1\t\t%2\t%3\r\n")
                                          .arg(multiplier, 3)
                                          .arg(table * multiplier, 3)
                                          .arg(table * multiplier + 1, 3);
                break;
            case TimeOutBlank:
                fx.tick();
                expectedTranscript += QStringLiteral("  7  x %1\t\t%2\t   \r\n")
                                          .arg(multiplier, 3)
                                          .arg(table * multiplier, 3);
                break;
            case TimeOutRightTyped:
                fx.type(QString::number(fx.product()));
                fx.tick();
                break;
            case TimeOutPartTyped:
                fx.type("0");
                fx.tick();
                expectedTranscript += QStringLiteral("  7  x %1\t\t%2\t  0\r\n")
                                          .arg(multiplier, 3)
                                          .arg(table * multiplier, 3);
                break;
            }
            if (sum < 10)
                QVERIFY(fx.dialogs.messages.empty());
        }

        checkIdle(fx);
        const GameState end = fx.state();
        QCOMPARE(end.Correct, qint16(5));
        QCOMPARE(end.Wrong, qint16(5));
        QCOMPARE(end.WrongAnswers, expectedTranscript);
        QCOMPARE(fx.caption("lblCorrect"), QString("Correct: 5"));
        QCOMPARE(fx.caption("lblWrong"), QString("Wrong: 5"));
        QCOMPARE(fx.random.reseeds, 10);

        QCOMPARE(fx.dialogs.messages.size(), size_t(1));
        const QString scoreLine = "You have scored 5/10.\r\n\r\n";
        QCOMPARE(fx.dialogs.messages[0].text, scoreLine + expectedTranscript);
        QCOMPARE(fx.dialogs.messages[0].icon, MsgIcon::None);
        QCOMPARE(fx.dialogs.messages[0].title, QString());

        const auto writes = historyWrites(fx.store);
        QCOMPARE(writes.size(), size_t(1));
        QCOMPARE(writes[0].section, sumsSection);
        QCOMPARE(writes[0].key, QString("06/12/26 14:03:09"));
        QCOMPARE(writes[0].value, scoreLine + expectedTranscript);
    }

    void perfectGameStoresTheScoreLineAlone() {
        DrillFixture fx;
        fx.startActive();
        fx.newGame({3});
        for (int sum = 1; sum <= 10; ++sum) {
            fx.type(QString::number(fx.product()));
            fx.enter();
        }
        QCOMPARE(fx.state().WrongAnswers, QString());
        QCOMPARE(fx.dialogs.messages.back().text,
                 QString("EXCELLENT, Sam!\r\n\r\nYou have scored 10/10.\r\n\r\n"));
        QCOMPARE(fx.store.value(sumsSection, "06/12/26 14:03:09"),
                 std::optional<QString>("You have scored 10/10.\r\n\r\n"));
    }

    void recordIsKeyedWhenTheScoreMessageCloses() {
        DrillFixture fx;
        fx.startActive();
        fx.newGame({3});
        bool timerStoppedDuringMessage = false;
        fx.dialogs.whileMessageShown = [&](const FakeDialogs::Message &) {
            timerStoppedDuringMessage = !fx.timer()->isActive();
            fx.clock.current = QDateTime(QDate(2027, 1, 2), QTime(9, 8, 7));
        };
        for (int sum = 1; sum <= 10; ++sum)
            fx.tick();
        QVERIFY(timerStoppedDuringMessage);
        const auto writes = historyWrites(fx.store);
        QCOMPARE(writes.size(), size_t(1));
        QCOMPARE(writes[0].key, QString("02/01/27 09:08:07"));
        QVERIFY(writes[0].value.startsWith("You have scored 0/10.\r\n\r\n" + header));
        QCOMPARE(transcriptLines(writes[0].value.mid(25)), 10);
    }

    // Another copy of the program ended this player's games in the same seconds.
    void recordOfATakenSecondGoesToTheNextFreeOne() {
        DrillFixture fx;
        fx.store.put(sumsSection, "06/12/26 14:03:09", "first");
        fx.store.put(sumsSection, "06/12/26 14:03:10", "second");
        fx.startActive();
        fx.newGame({3});
        for (int sum = 1; sum <= 10; ++sum)
            fx.tick();
        QCOMPARE(fx.store.value(sumsSection, "06/12/26 14:03:09"), "first");
        QCOMPARE(fx.store.value(sumsSection, "06/12/26 14:03:10"), "second");
        QVERIFY(fx.store.value(sumsSection, "06/12/26 14:03:11")->startsWith("You have scored"));
        QCOMPARE(fx.dialogs.messages.size(), size_t(1));
    }

    void unsavedRecordIsReported() {
        DrillFixture fx;
        fx.startActive();
        fx.newGame({3});
        fx.store.failWrites = true;
        for (int sum = 1; sum <= 10; ++sum)
            fx.tick();
        QCOMPARE(fx.dialogs.messages.size(), size_t(2));
        QVERIFY(fx.dialogs.messages[0].text.startsWith("You have scored 0/10."));
        QCOMPARE(fx.dialogs.messages[1].text, QString("Your score could not be saved."));
        QCOMPARE(fx.dialogs.messages[1].icon, MsgIcon::Exclamation);
        checkIdle(fx);
    }

    void newGameDuringAGameStartsAfresh() {
        DrillFixture fx;
        fx.startActive();
        fx.newGame({7});
        fx.type("1");
        fx.enter(); // wrong
        fx.type(QString::number(fx.product()));
        fx.enter();
        fx.type("4"); // left in the box
        QCOMPARE(fx.state().NumberOfSums, qint16(3));

        QTest::keyClick(fx.answerBox(), Qt::Key_F2);
        checkRunning(fx);
        QCOMPARE(fx.state().NumberOfSums, qint16(1));
        QCOMPARE(fx.state().Correct, qint16(0));
        QCOMPARE(fx.state().Wrong, qint16(0));
        QCOMPARE(fx.state().WrongAnswers, header);
        // The box kept the focus, yet its blank is selected: three digits still fit.
        fx.type("225");
        QCOMPARE(fx.answerBox()->text(), QString("225"));
        QVERIFY(historyWrites(fx.store).empty());
        QVERIFY(fx.dialogs.messages.empty());
    }

    void cancelGame_data() {
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("optionsOpen");
        QTest::newRow("during a game") << true << false;
        QTest::newRow("no game, options panel open") << false << true;
        QTest::newRow("no game, greeting shown") << false << false;
    }
    void cancelGame() {
        QFETCH(bool, running);
        QFETCH(bool, optionsOpen);
        DrillFixture fx;
        fx.startActive();
        if (running) {
            fx.newGame({4});
            fx.type("1");
            fx.enter();
        }
        if (optionsOpen)
            fx.action("mnuOptions")->trigger();
        bool timerStoppedDuringMessage = false;
        fx.dialogs.whileMessageShown = [&](const FakeDialogs::Message &) {
            timerStoppedDuringMessage = !fx.timer()->isActive();
        };
        fx.action("mnuCancelGame")->trigger();

        if (running) {
            QCOMPARE(fx.dialogs.messages.size(), size_t(1));
            QCOMPARE(fx.dialogs.messages[0].text, QString("Game cancelled by request!"));
            QCOMPARE(fx.dialogs.messages[0].icon, MsgIcon::None);
            QVERIFY(timerStoppedDuringMessage);
            checkIdle(fx);
            // The counts stay until the next game.
            QCOMPARE(fx.state().Wrong, qint16(1));
            QCOMPARE(transcriptLines(fx.state().WrongAnswers), 1);
        } else {
            QVERIFY(fx.dialogs.messages.empty());
            QVERIFY(!fx.answerBox()->isLocked());
            QVERIFY(!fx.shown("fraOptions"));
            QVERIFY(fx.shown("lblWelcome"));
        }
        QVERIFY(historyWrites(fx.store).empty());
    }

    void exitDuringAGameWritesNoRecord() {
        DrillFixture fx;
        fx.startActive();
        fx.newGame({4});
        fx.window->close();
        QVERIFY(historyWrites(fx.store).empty());
        QVERIFY(!fx.timer()->isActive());
    }
};

QTEST_MAIN(TestGame)
#include "test_game.moc"
