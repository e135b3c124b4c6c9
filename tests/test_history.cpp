// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "history/history_text.h"
#include "support/window_fixture.h"

#include <stdexcept>

namespace {

using Answers = QList<MsgResult>;

void addRecords(FakeStore &store, const QString &player, int count) {
    for (int i = 1; i <= count; ++i)
        store.entries.push_back({historySection(player),
                                 QStringLiteral("0%1/07/01 10:23:45").arg(i), QString::number(i)});
}

QStringList titlesShown(const FakeDialogs &dialogs) {
    QStringList titles;
    for (const FakeDialogs::Message &message : dialogs.messages)
        titles << message.title;
    return titles;
}

void viewHistory(WindowFixture &fx) {
    fx.action("mnuHistory")->trigger();
}

void verifyNoHistoryMessage(const FakeDialogs::Message &message, const QString &player) {
    QCOMPARE(message.text, "No history for " + player + "!");
    QCOMPARE(message.buttons, MsgButtons::Ok);
    QCOMPARE(message.icon, MsgIcon::Exclamation);
    QCOMPARE(message.title, QString("Quorvel"));
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

  private slots:
    void saysNoHistory_data() {
        QTest::addColumn<QString>("recordsOf");
        QTest::addColumn<bool>("storeFails");
        QTest::newRow("no finished game") << "Someone else" << false;
        QTest::newRow("store cannot be read") << "Sam" << true;
    }
    void saysNoHistory() {
        QFETCH(QString, recordsOf);
        QFETCH(bool, storeFails);
        WindowFixture fx;
        fx.start("Sam");
        addRecords(fx.store, recordsOf, 2);
        fx.store.failReads = storeFails;
        viewHistory(fx);
        QCOMPARE(fx.dialogs.messages.size(), std::size_t(1));
        verifyNoHistoryMessage(fx.dialogs.messages[0], "Sam");
    }

    void paging_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QStringList>("titles");

        const QString first = "Sam's History (1/3) - 01/07/01 10:23:45";
        const QString second = "Sam's History (2/3) - 02/07/01 10:23:45";
        const QString third = "Sam's History (3/3) - 03/07/01 10:23:45";
        const QString only = "Sam's History (1/1) - 01/07/01 10:23:45";
        QTest::newRow("one record, Yes") << 1 << Answers{MsgResult::Yes} << QStringList{only};
        QTest::newRow("one record, No") << 1 << Answers{MsgResult::No} << QStringList{only};
        QTest::newRow("three records, Yes to all, no wrap-round")
            << 3 << Answers{MsgResult::Yes, MsgResult::Yes, MsgResult::Yes}
            << QStringList{first, second, third};
        QTest::newRow("three records, No at the first")
            << 3 << Answers{MsgResult::No} << QStringList{first};
        QTest::newRow("three records, No at the second")
            << 3 << Answers{MsgResult::Yes, MsgResult::No} << QStringList{first, second};
    }
    void paging() {
        QFETCH(int, records);
        QFETCH(Answers, answers);
        QFETCH(QStringList, titles);

        WindowFixture fx;
        fx.start("Sam");
        addRecords(fx.store, "Sam", records);
        fx.dialogs.messageAnswers.assign(answers.begin(), answers.end());
        viewHistory(fx);

        QCOMPARE(titlesShown(fx.dialogs), titles);
        for (const FakeDialogs::Message &message : fx.dialogs.messages) {
            QCOMPARE(message.buttons, MsgButtons::YesNo);
            QCOMPARE(message.icon, MsgIcon::Information);
        }
        QVERIFY(fx.dialogs.messageAnswers.empty());
    }

    void recordShownExactlyAsStored() {
        WindowFixture fx;
        fx.start("Sam");
        const QString record = "You scored 8 out of 10\r\n\r\n  Sums\t\tCorrect\tYours\r\n"
                               "  7 X 8\t\t56\t54\r\n  9 X 6\t\t54\t\r\n";
        fx.store.put("History\\Sam", "14/07/01 10:23:45", record);
        viewHistory(fx);
        QCOMPARE(fx.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(fx.dialogs.messages[0].text, record + "\r\n\r\nView Next?");
    }

    // Records edited by hand: a box shows their start and says so.
    void longRecords_data() {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("shown"); // before the note; the record itself when whole
        QString wholeGame = "You scored 0 out of 100\r\n\r\n  Sums\t\tCorrect\tYours\r\n";
        for (int sum = 0; sum < 100; ++sum)
            wholeGame += "  15 X 15\t\t225\t999\r\n";
        QTest::newRow("a game's own record, 100 sums wrong") << wholeGame << wholeGame;
        QTest::newRow("10 MB on one line")
            << QString(10'000'000, 'x') << QString(maxShownCharacters, 'x') + "\r\n";
        QTest::newRow("10,000 lines")
            << QString("line\r\n").repeated(10'000) << QString("line\r\n").repeated(120);
        const QString smile = QString::fromUcs4(U"\U0001F600");
        QTest::newRow("a character of two halves at the cut")
            << QString(maxShownCharacters - 1, 'x') + smile.repeated(10)
            << QString(maxShownCharacters - 1, 'x') + "\r\n";
    }
    void longRecords() {
        QFETCH(QString, record);
        QFETCH(QString, shown);
        WindowFixture fx;
        fx.start("Sam");
        fx.store.put("History\\Sam", "14/07/01 10:23:45", record);
        viewHistory(fx);
        QCOMPARE(fx.dialogs.messages.size(), std::size_t(1));
        const QString note = shown == record ? QString()
                                             : "\r\nThis record is too long to show whole: "
                                               "only its start is shown.";
        QCOMPARE(fx.dialogs.messages[0].text, shown + note + "\r\n\r\nView Next?");
    }

    void nameIsTrimmedInSectionAndTitle() {
        WindowFixture fx;
        fx.start("  Ann Lee  ");
        fx.store.put("History\\Ann Lee", "14/07/01 10:23:45", "record");
        viewHistory(fx);
        QCOMPARE(titlesShown(fx.dialogs),
                 QStringList{"Ann Lee's History (1/1) - 14/07/01 10:23:45"});
    }

    void failureMidWayEndsWithTheOneMessage_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("failingBox");
        QTest::addColumn<bool>("storeFails");
        QTest::newRow("a box cannot be shown") << 3 << 2 << false;
        // Records are read a thousand at a time.
        QTest::newRow("the store stops answering") << 1500 << 1000 << true;
    }
    void failureMidWayEndsWithTheOneMessage() {
        QFETCH(int, records);
        QFETCH(int, failingBox);
        QFETCH(bool, storeFails);
        WindowFixture fx;
        fx.start("Sam");
        addRecords(fx.store, "Sam", records);
        int boxes = 0;
        fx.dialogs.whileMessageShown = [&](const FakeDialogs::Message &) {
            if (++boxes != failingBox)
                return;
            if (!storeFails)
                throw std::runtime_error("the box could not be shown");
            fx.store.failReads = true;
        };
        viewHistory(fx);
        QCOMPARE(fx.dialogs.messages.size(), std::size_t(failingBox + 1));
        verifyNoHistoryMessage(fx.dialogs.messages.back(), "Sam");
    }

    void recordCounterIsSixteenBits_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("boxesBeforeTheEnd");
        QTest::addColumn<bool>("endsWithNoHistory");
        QTest::newRow("32767 fit") << 32767 << 32767 << false;
        QTest::newRow("32768 do not") << 32768 << 0 << true;
    }
    void recordCounterIsSixteenBits() {
        QFETCH(int, records);
        QFETCH(int, boxesBeforeTheEnd);
        QFETCH(bool, endsWithNoHistory);

        WindowFixture fx;
        fx.start("Sam");
        addRecords(fx.store, "Sam", records);
        viewHistory(fx);

        const std::size_t shown = fx.dialogs.messages.size();
        QCOMPARE(shown, std::size_t(boxesBeforeTheEnd + (endsWithNoHistory ? 1 : 0)));
        if (endsWithNoHistory)
            verifyNoHistoryMessage(fx.dialogs.messages.back(), "Sam");
        else
            QVERIFY(fx.dialogs.messages.back().title.startsWith("Sam's History (32767/32767) - "));
    }
};

QTEST_MAIN(TestHistory)
#include "test_history.moc"
