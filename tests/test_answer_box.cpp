// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "support/drill_fixture.h"

#include <QClipboard>
#include <QGuiApplication>

class TestAnswerBox : public QObject {
    Q_OBJECT

    // A game at its first sum, 7 X 8, with the box holding its selected blank.
    static void startAtSevenTimesEight(DrillFixture &fx) {
        fx.startActive();
        fx.scriptSum(1, 1, 8);
        fx.newGame({7});
        QGuiApplication::clipboard()->setText("56");
    }

  private slots:
    void keysPressedInTheBox_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text"); // the box afterwards; it held " ", selected
        QTest::addColumn<int>("beeps");
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("digit replaces the blank") << int(Qt::Key_5) << none << "5" << 0;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "" << 0;
        QTest::newRow("letter") << int(Qt::Key_A) << none << " " << 1;
        QTest::newRow("blank") << int(Qt::Key_Space) << none << " " << 1;
        QTest::newRow("minus") << int(Qt::Key_Minus) << none << " " << 1;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << " " << 1;
        QTest::newRow("Ctrl+V does not paste") << int(Qt::Key_V) << ctrl << " " << 1;
        QTest::newRow("Ctrl+O, its item disabled") << int(Qt::Key_O) << ctrl << " " << 1;
        QTest::newRow("Ctrl+H is Backspace") << int(Qt::Key_H) << ctrl << "" << 0;
        QTest::newRow("Delete edits") << int(Qt::Key_Delete) << none << "" << 0;
        QTest::newRow("Shift+Insert pastes unfiltered")
            << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << "56" << 0;
        QTest::newRow("Ctrl+digit types nothing") << int(Qt::Key_5) << ctrl << " " << 0;
        QTest::newRow("Alt+digit") << int(Qt::Key_5) << int(Qt::AltModifier) << "5" << 0;
        QTest::newRow("Alt+letter") << int(Qt::Key_Q) << int(Qt::AltModifier) << " " << 1;
    }
    void keysPressedInTheBox() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        DrillFixture fx;
        startAtSevenTimesEight(fx);
        QTest::keyClick(fx.answerBox(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(fx.answerBox()->text(), text);
        QCOMPARE(fx.dialogs.beeps, beeps);
        QCOMPARE(fx.state().NumberOfSums, qint16(1));
        QVERIFY(fx.timer()->isActive());
    }

    void enterOnABlankBoxKeepsTheSumWaiting_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("emptyBox");
        QTest::newRow("Return on the blank") << int(Qt::Key_Return) << false;
        QTest::newRow("keypad Enter on the blank") << int(Qt::Key_Enter) << false;
        QTest::newRow("Return on an empty box") << int(Qt::Key_Return) << true;
    }
    void enterOnABlankBoxKeepsTheSumWaiting() {
        QFETCH(int, key);
        QFETCH(bool, emptyBox);
        DrillFixture fx;
        startAtSevenTimesEight(fx);
        if (emptyBox)
            QTest::keyClick(fx.answerBox(), Qt::Key_Backspace);
        QTest::keyClick(fx.answerBox(), Qt::Key(key));
        QCOMPARE(fx.state().NumberOfSums, qint16(1));
        QCOMPARE(fx.state().Correct + fx.state().Wrong, 0);
        QCOMPARE(fx.dialogs.beeps, 0);
        QVERIFY(fx.timer()->isActive());
    }

    void enterMarksAndMovesOn_data() {
        QTest::addColumn<int>("enterKey");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("correct");
        QTest::addColumn<QString>("transcriptLine");
        QTest::newRow("right") << int(Qt::Key_Return) << "56" << 1 << "";
        QTest::newRow("right, keypad Enter") << int(Qt::Key_Enter) << "56" << 1 << "";
        QTest::newRow("wrong") << int(Qt::Key_Return) << "54" << 0 << "  7  x   8\t\t 56\t 54\r\n";
    }
    void enterMarksAndMovesOn() {
        QFETCH(int, enterKey);
        QFETCH(QString, typed);
        QFETCH(int, correct);
        QFETCH(QString, transcriptLine);
        DrillFixture fx;
        startAtSevenTimesEight(fx);
        fx.type(typed);
        QTest::keyClick(fx.answerBox(), Qt::Key(enterKey));
        QCOMPARE(fx.state().Correct, qint16(correct));
        QCOMPARE(fx.state().Wrong, qint16(1 - correct));
        QCOMPARE(fx.state().WrongAnswers, "  Sums\t\tCorrect\tYours\r\n" + transcriptLine);
        QCOMPARE(fx.state().NumberOfSums, qint16(2));
        // The next sum's blank is selected again, so the first digit replaces it.
        QCOMPARE(fx.answerBox()->selectedText(), QString(" "));
        QCOMPARE(fx.dialogs.beeps, 0);
    }

    void menuShortcutsActFromTheBox_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("marked");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << 7500 << "mnuSpeedSlow";
        QTest::newRow("Ctrl+M") << int(Qt::Key_M) << ctrl << 5000 << "mnuSpeedMedium";
        QTest::newRow("Ctrl+F") << int(Qt::Key_F) << ctrl << 3000 << "mnuSpeedFast";
    }
    void menuShortcutsActFromTheBox() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, interval);
        QFETCH(QString, marked);
        DrillFixture fx;
        fx.store.put("Options", "SlowSpeed", "False");
        fx.store.put("Options", "FastSpeed", "True");
        startAtSevenTimesEight(fx);
        QTest::keyClick(fx.answerBox(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        for (const char *pace : {"mnuSpeedSlow", "mnuSpeedMedium", "mnuSpeedFast"})
            QCOMPARE(fx.action(pace)->isChecked(), marked == pace);
        QCOMPARE(fx.timer()->interval(), interval);
        QVERIFY(fx.timer()->isActive());
        QCOMPARE(fx.answerBox()->text(), QString(" "));
        QCOMPARE(fx.dialogs.beeps, 0);
    }

    void exitKeysWorkFromTheBox_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Ctrl+X") << int(Qt::Key_X);
        QTest::newRow("Ctrl+Q, the desktop's") << int(Qt::Key_Q);
    }
    void exitKeysWorkFromTheBox() {
        QFETCH(int, key);
        DrillFixture fx;
        startAtSevenTimesEight(fx);
        QTest::keyClick(fx.answerBox(), Qt::Key(key), Qt::ControlModifier);
        QVERIFY(!fx.window->isVisible());
        QCOMPARE(fx.store.value("Options", "LastPlayer"), std::optional<QString>("Sam"));
        QCOMPARE(fx.dialogs.beeps, 0);
    }

    // The Help menu is shut during a game, and so is its key.
    void f1OpensContentsOnlyBetweenGames_data() {
        QTest::addColumn<bool>("inGame");
        QTest::newRow("between games") << false;
        QTest::newRow("during a game") << true;
    }
    void f1OpensContentsOnlyBetweenGames() {
        QFETCH(bool, inGame);
        DrillFixture fx;
        fx.startActive();
        if (inGame)
            fx.newGame({7});
        QTest::keyClick(fx.window.get(), Qt::Key_F1);
        QCOMPARE(fx.modal.opened, inGame ? 0 : 1);
    }

    void f9CancelsFromTheBox() {
        DrillFixture fx;
        startAtSevenTimesEight(fx);
        QTest::keyClick(fx.answerBox(), Qt::Key_F9);
        QVERIFY(!fx.state().GameInProgress);
        QCOMPARE(fx.dialogs.messages.back().text, QString("Game cancelled by request!"));
    }

    void lockedBoxRefusesEverything() {
        DrillFixture fx;
        startAtSevenTimesEight(fx);
        fx.type("5");
        fx.action("mnuCancelGame")->trigger();
        AnswerBox *box = fx.answerBox();
        QVERIFY(box->isLocked());
        box->show(); // only to reach it; its panel is hidden after a game
        box->setFocus();
        for (Qt::Key key : {Qt::Key_1, Qt::Key_Backspace, Qt::Key_Return, Qt::Key_A})
            QTest::keyClick(box, key);
        QCOMPARE(fx.dialogs.beeps, 4);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier); // paste
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QString("5"));
        QCOMPARE(fx.state().NumberOfSums, qint16(0));
    }

    void clickingIntoTheBoxSelectsItsText() {
        DrillFixture fx;
        startAtSevenTimesEight(fx);
        fx.type("12");
        fx.answerBox()->clearFocus();
        QTest::mouseClick(fx.answerBox(), Qt::LeftButton, {}, fx.answerBox()->rect().center());
        QVERIFY(fx.answerBox()->hasFocus());
        QCOMPARE(fx.answerBox()->selectedText(), QString("12"));
        // A second click, with the focus already there, places the cursor as usual.
        QTest::mouseClick(fx.answerBox(), Qt::LeftButton, {}, fx.answerBox()->rect().center());
        QCOMPARE(fx.answerBox()->selectedText(), QString());
    }

    // Given its face while hidden, the box lays its text out in it once a game shows it.
    void theBoxShowsItsTextInTheSumsFace() {
        DrillFixture fx;
        startAtSevenTimesEight(fx);
        QLineEdit plain;
        plain.setFont(fx.answerBox()->font());
        const auto lineHeight = [](const QLineEdit &box) {
            return box.inputMethodQuery(Qt::ImCursorRectangle).toRect().height();
        };
        QCOMPARE(lineHeight(*fx.answerBox()), lineHeight(plain));
    }
};

QTEST_MAIN(TestAnswerBox)
#include "test_answer_box.moc"
