// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/answer_keys.h"
#include "drill/answer_test.h"
#include "drill/history_key.h"
#include "drill/record_text.h"
#include "drill/score.h"
#include "drill/shown_date.h"
#include "drill/sum_speech.h"
#include "drill/table_list.h"
#include "drill/transcript.h"
#include "platform/clock_seeded_random.h"

#include <QtTest>

#include <cmath>
#include <optional>

Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(KeyOutcome)

class TestDrillRules : public QObject {
    Q_OBJECT

  private slots:
    void transcriptLine_data() {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("line");
        QTest::newRow("wrong answer") << 7 << 12 << "74"
                                      << "  7  x  12\t\t 84\t 74\r\n";
        QTest::newRow("unanswered") << 12 << 3 << " "
                                    << " 12  x   3\t\t 36\t   \r\n";
        QTest::newRow("three digits") << 15 << 15 << "224"
                                      << " 15  x  15\t\t225\t224\r\n";
        QTest::newRow("long pasted text kept whole") << 2 << 1 << "12345"
                                                     << "  2  x   1\t\t  2\t12345\r\n";
    }
    void transcriptLine() {
        QFETCH(int, table);
        QFETCH(int, multiplier);
        QFETCH(QString, answer);
        QFETCH(QString, line);
        QCOMPARE(::transcriptLine(table, multiplier, answer), line);
    }

    void rating_data() {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("maxSums");
        QTest::addColumn<QString>("message");
        const QString breaks = "\r\n\r\n";
        QTest::newRow("10/10") << 10 << 10
                               << "EXCELLENT, Sam!" + breaks + "You have scored 10/10." + breaks;
        QTest::newRow("8/10") << 8 << 10
                              << "VERY GOOD, Sam!" + breaks + "You have scored 8/10." + breaks;
        QTest::newRow("7/10") << 7 << 10
                              << "NOT BAD, Sam!" + breaks + "You have scored 7/10." + breaks;
        QTest::newRow("6/10") << 6 << 10
                              << "CAN DO BETTER, Sam!" + breaks + "You have scored 6/10." + breaks;
        QTest::newRow("5/10") << 5 << 10 << "You have scored 5/10." + breaks;
        QTest::newRow("12/15 is 80 %")
            << 12 << 15 << "VERY GOOD, Sam!" + breaks + "You have scored 12/15." + breaks;
        QTest::newRow("11/15 is 73 %")
            << 11 << 15 << "NOT BAD, Sam!" + breaks + "You have scored 11/15." + breaks;
        QTest::newRow("9/15 is 60 %")
            << 9 << 15 << "CAN DO BETTER, Sam!" + breaks + "You have scored 9/15." + breaks;
        QTest::newRow("59/100") << 59 << 100 << "You have scored 59/100." + breaks;
        QTest::newRow("0/10") << 0 << 10 << "You have scored 0/10." + breaks;
    }
    void rating() {
        QFETCH(int, correct);
        QFETCH(int, maxSums);
        QFETCH(QString, message);
        QCOMPARE(ratingLine(correct, maxSums, "Sam") + scoreLine(correct, maxSums), message);
    }

    void answerTest_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("right"); // for the product 56
        QTest::newRow("typed") << "56" << true;
        QTest::newRow("leading zero") << "056" << true;
        QTest::newRow("blanks around") << " 56 " << true;
        QTest::newRow("other number") << "54" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("the blank of a new sum") << " " << false;
        QTest::newRow("pasted sign") << "+56" << true;
        QTest::newRow("pasted exponent") << "5.6e1" << true;
        QTest::newRow("pasted fraction near the product") << "55.6" << false;
        QTest::newRow("pasted negative") << "-56" << false;
        QTest::newRow("pasted huge") << "1e999" << false;
        QTest::newRow("pasted other script digits") << QString::fromUtf8("٥٦") << false;
    }
    void answerTest() {
        QFETCH(QString, answer);
        QFETCH(bool, right);
        QCOMPARE(isRightAnswer(answer, 56), right);
    }

    void characterCode_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<int>>("code");
        const std::optional<int> none;
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << "7" << std::optional(int('7'));
        QTest::newRow("Return") << int(Qt::Key_Return) << 0 << "\r" << std::optional(13);
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << std::optional(13);
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << "\b" << std::optional(8);
        QTest::newRow("Ctrl+C, text as typed")
            << int(Qt::Key_C) << int(Qt::ControlModifier) << "\x03" << std::optional(3);
        QTest::newRow("Ctrl+V, text missing")
            << int(Qt::Key_V) << int(Qt::ControlModifier) << "" << std::optional(22);
        QTest::newRow("Ctrl+digit") << int(Qt::Key_5) << int(Qt::ControlModifier) << "5" << none;
        QTest::newRow("Alt+letter")
            << int(Qt::Key_C) << int(Qt::AltModifier) << "c" << std::optional(int('c'));
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << "\x7f" << none;
        QTest::newRow("Left") << int(Qt::Key_Left) << 0 << "" << none;
    }
    void characterCode() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(std::optional<int>, code);
        QCOMPARE(characterCodeOf(key, Qt::KeyboardModifiers(modifiers), text), code);
    }

    void keyOutcome_data() {
        QTest::addColumn<int>("keyAscii");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<KeyOutcome>("outcome");
        QTest::newRow("0") << int('0') << false << KeyOutcome::LetThrough;
        QTest::newRow("Backspace") << 8 << false << KeyOutcome::LetThrough;
        QTest::newRow("Enter") << 13 << false << KeyOutcome::Submit;
        QTest::newRow("blank") << int(' ') << false << KeyOutcome::Refuse;
        QTest::newRow("slash, just below 0") << int('/') << false << KeyOutcome::Refuse;
        QTest::newRow("colon, just above 9") << int(':') << false << KeyOutcome::Refuse;
        QTest::newRow("locked digit") << int('5') << true << KeyOutcome::Refuse;
    }
    void keyOutcome() {
        QFETCH(int, keyAscii);
        QFETCH(bool, locked);
        QFETCH(KeyOutcome, outcome);
        QCOMPARE(answerKeyOutcome(keyAscii, locked), outcome);
    }

    // What is said as the next sum (6 x 4, the third of ten) comes up, at each pace.
    void sumSpeechFitsThePace_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("pace");
        QTest::addColumn<QString>("speech");
        QTest::newRow("right, slow") << "56" << 7500 << "Right! Sum 3 of 10: 6 times 4";
        QTest::newRow("right, fast") << "56" << 3000 << "Right! Sum 3 of 10: 6 times 4";
        QTest::newRow("wrong, slow")
            << " 54" << 7500 << "Wrong, 7 times 8 is 56. Sum 3 of 10: 6 times 4";
        QTest::newRow("wrong, medium")
            << "54" << 5000 << "Wrong, 7 times 8 is 56. Sum 3 of 10: 6 times 4";
        QTest::newRow("wrong, 4 s") << "154" << 4000 << "Wrong, 7 times 8 is 56. 6 times 4";
        QTest::newRow("wrong, fast") << "54" << 3000 << "Wrong: 56. 6 times 4";
        QTest::newRow("blank, slow")
            << " " << 7500 << "Time's up, 7 times 8 is 56. Sum 3 of 10: 6 times 4";
        QTest::newRow("blank, fast") << " " << 3000 << "Time's up: 56. 6 times 4";
        // No pace leaves time for less than the sum itself.
        QTest::newRow("blank, no time") << " " << 100 << "6 times 4";
    }
    void sumSpeechFitsThePace() {
        QFETCH(QString, answer);
        QFETCH(int, pace);
        QFETCH(QString, speech);
        const Sum last{7, 8};
        const QString said =
            sumSpeech(AskedSum{last, outcomeOf(answer, last)}, {6, 4}, 3, 10, pace);
        QCOMPARE(said, speech);
    }

    void recordForListening_data() {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("sentences");
        QTest::newRow("wrong and out of time")
            << "You have scored 8/10.\r\n\r\n  Sums\t\tCorrect\tYours\r\n"
               "  7  x   8\t\t 56\t 54\r\n 12  x   4\t\t 48\t   \r\n"
            << "You have scored 8/10.\n7 times 8 is 56: you said 54.\n"
               "12 times 4 is 48: you ran out of time.";
        QTest::newRow("all right") << "You have scored 10/10.\r\n\r\n"
                                   << "You have scored 10/10.";
        QTest::newRow("a line edited by hand")
            << "You have scored 9/10.\r\n\r\n  Sums\t\tCorrect\tYours\r\nseven eights\r\n"
            << "You have scored 9/10.\nseven eights";
        QTest::newRow("not a game's record") << "hello\r\n"
                                             << "hello\r\n";
    }
    void recordForListening() {
        QFETCH(QString, record);
        QFETCH(QString, sentences);
        QCOMPARE(::recordForListening(record), sentences);
    }

    void tableListKeepsEveryBoxThatIsNotClear() {
        QList<Qt::CheckState> states(14, Qt::Unchecked);
        QCOMPARE(tableListFor(states), QList<int>{0});
        states[0] = Qt::Checked;
        states[5] = Qt::PartiallyChecked;
        states[13] = Qt::Checked;
        QCOMPARE(tableListFor(states), (QList<int>{0, 2, 7, 15}));
    }

    void drawStaysInRange_data() {
        QTest::addColumn<float>("r");
        QTest::newRow("r = 0") << 0.0f;
        QTest::newRow("largest float below 1") << std::nextafter(1.0f, 0.0f);
        QTest::newRow("largest draw from bits") << unitFloatFromBits(0xffffffffu);
    }
    void drawStaysInRange() {
        QFETCH(float, r);
        for (int n = 1; n <= 15; ++n) {
            const int position = drawPosition(r, n);
            QVERIFY2(position >= 1 && position <= n, qPrintable(QString::number(n)));
            QCOMPARE(position, r == 0.0f ? 1 : n);
        }
    }

    void historyKeyUsesFixedSeparators_data() {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("key");
        QTest::newRow("afternoon")
            << QDateTime(QDate(2026, 12, 6), QTime(14, 3, 9)) << "06/12/26 14:03:09";
        QTest::newRow("just after midnight")
            << QDateTime(QDate(2001, 7, 14), QTime(0, 0, 1)) << "14/07/01 00:00:01";
    }
    void historyKeyUsesFixedSeparators() {
        QFETCH(QDateTime, when);
        QFETCH(QString, key);
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(historyKey(when), key);
        QLocale::setDefault(before);
    }

    // Each language writes the date its own way; the key stays as stored.
    void datesAreShownInTheLocalesForm_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        const QString key = "04/07/01 09:03:05";
        QTest::newRow("untranslated") << "C" << key << key << "04/07/01"
                                      << "09:03";
        QTest::newRow("German") << "de_DE" << key << "04.07.01 09:03:05"
                                << "04.07.01"
                                << "09:03";
        QTest::newRow("French") << "fr_FR" << key << "04/07/2001 09:03:05"
                                << "04/07/2001"
                                << "09:03";
        QTest::newRow("Canadian French") << "fr_CA" << key << "2001-07-04 09 h 03 min 05 s"
                                         << "2001-07-04"
                                         << "09 h 03";
        QTest::newRow("Dutch") << "nl_NL" << key << "04-07-2001 09:03:05"
                               << "04-07-2001"
                               << "09:03";
        QTest::newRow("time zone first") << "zh_CN" << key << "2001/7/4 09:03:05"
                                         << "2001/7/4"
                                         << "09:03";
        QTest::newRow("regional separators") << "de_DE"
                                             << "04-07-01 09.03.05"
                                             << "04.07.01 09:03:05"
                                             << "04.07.01"
                                             << "09:03";
        QTest::newRow("hand-made key") << "de_DE"
                                       << "yesterday"
                                       << "yesterday"
                                       << ""
                                       << "";
        QTest::newRow("no such day") << "de_DE"
                                     << "31/02/26 10:00:00"
                                     << "31/02/26 10:00:00"
                                     << ""
                                     << "";
    }
    void datesAreShownInTheLocalesForm() {
        QFETCH(QString, locale);
        QFETCH(QString, key);
        QFETCH(QString, shown);
        QFETCH(QString, date);
        QFETCH(QString, time);
        const QLocale writer(locale);
        QCOMPARE(shownKey(key, 2026, writer), shown);
        if (const std::optional<KeyTime> written = readHistoryKey(key.toUtf8(), 2026)) {
            QCOMPARE(shownDate(written->date, writer), date);
            QCOMPARE(shownTime(written->time, writer), time);
        }
    }
};

QTEST_GUILESS_MAIN(TestDrillRules)
#include "test_drill_rules.moc"
