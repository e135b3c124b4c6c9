// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/score.h"
#include "drill/transcript.h"
#include "progress/knowledge.h"
#include "support/drill_fixture.h"
#include "support/seeded_random.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableView>

#include <map>

namespace {

const QString sam = QStringLiteral("History\\Sam");
const std::int64_t today = QDate(2026, 12, 6).toJulianDay();

// Fills the scripted draws with real ones, enough for `sums` sums.
void realDraws(FakeRandom &random, int sums) {
    static SeededRandom source;
    for (int n = 0; n < 2 * sums; ++n)
        random.draws.push_back(source.next());
}

// Plays the game on screen to its end; `answer` says, per sum, whether to answer right.
void playToEnd(DrillFixture &fx, const std::function<bool(int table, int multiplier)> &answer,
               std::vector<std::pair<int, int>> *asked = nullptr) {
    while (fx.state().GameInProgress) {
        const int table = fx.caption("lblNum1").toInt();
        const int multiplier = fx.caption("lblNum2").toInt();
        if (asked)
            asked->emplace_back(table, multiplier);
        if (answer(table, multiplier)) {
            fx.type(QString::number(table * multiplier));
            fx.enter();
        } else {
            fx.tick();
        }
    }
}

} // namespace

class TestPractice : public QObject {
    Q_OBJECT

  private slots:
    // New Game draws every sum of the ticked tables alike; so does practice
    // while nothing is known.
    void drawingIsEven_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("New Game") << "mnuNewGame";
        QTest::newRow("practice, nothing known") << "mnuPractise";
    }
    void drawingIsEven() {
        QFETCH(QString, command);
        DrillFixture fx;
        fx.startActive();
        fx.sumCountButton(9)->setChecked(true); // 100 sums
        std::map<std::pair<int, int>, int> times;
        constexpr int games = 30;
        for (int game = 0; game < games; ++game) {
            realDraws(fx.random, 100);
            for (int table : {3, 7, 12})
                fx.box(table)->setChecked(true);
            fx.action(command)->trigger();
            std::vector<std::pair<int, int>> asked;
            playToEnd(
                fx, [](int, int) { return true; }, &asked);
            for (const auto &sum : asked)
                ++times[sum];
            fx.store.knowledge.clear();
        }
        QCOMPARE(times.size(), std::size_t(45));
        QVERIFY2(unevenness(times) < 2 * 45, qPrintable(QString::number(unevenness(times))));
    }

    // A practice game plays and is recorded as a game; a sum that keeps going
    // wrong comes back, and every sum asked is kept.
    void practiceFollowsWhatWentWrong() {
        DrillFixture fx;
        fx.store.put(sam, "01/12/26 10:00:00",
                     scoreLine(8, 10) + transcriptHeader + transcriptLine(7, 8, "54") +
                         transcriptLine(7, 6, "40"));
        fx.startActive();
        fx.sumCountButton(2)->setChecked(true); // 20 sums
        fx.newGame({7});
        realDraws(fx.random, 20);
        fx.action("mnuPractise")->trigger();
        std::vector<std::pair<int, int>> asked;
        // 7 x 8 is still not known; everything else is.
        playToEnd(
            fx, [](int table, int multiplier) { return table * multiplier != 56; }, &asked);

        for (std::size_t at = 1; at < asked.size(); ++at)
            QVERIFY(asked[at] != asked[at - 1]);
        // Always missed, 7 x 8 comes back, after several others.
        const int missed = int(std::count(asked.begin(), asked.end(), std::pair(7, 8)));
        QVERIFY2(missed >= 2, qPrintable(QString::number(missed)));
        const QString record = *fx.store.value(sam, "06/12/26 14:03:09");
        QVERIFY(record.startsWith(scoreLine(20 - missed, 20) + transcriptHeader));
        QCOMPARE(record.count(transcriptLine(7, 8, "")), missed);

        const Knowledge known(fx.store.readKnowledge("history\\SAM"));
        const SumKnowledge &sevenEights = known.of(7, 8);
        QCOMPARE(sevenEights, (SumKnowledge{7, 8, 1 + missed, 0, 1, missed, today, 0}));
        QCOMPARE(learningState(known.of(7, 6)), LearningState::Learning);
        int keptAsked = 0;
        for (const SumKnowledge &sum : known.rows())
            keptAsked += sum.asked;
        QCOMPARE(keptAsked, 2 + 20); // the history's two wrong sums and this game
    }

    void practiseMenuItem() {
        DrillFixture fx;
        fx.startActive();
        const QList<QAction *> items = fx.control<QMenu>("mnuGame")->actions();
        const auto at = [&items](const char *name) {
            return std::find_if(items.begin(), items.end(),
                                [name](QAction *a) { return a->objectName() == name; }) -
                   items.begin();
        };
        QCOMPARE(at("mnuPractise"), at("mnuProgress") + 1);
        QAction *practise = fx.action("mnuPractise");
        for (QAction *other : fx.window->findChildren<QAction *>()) {
            if (other != practise && !other->shortcut().isEmpty())
                QVERIFY(!other->shortcuts().contains(practise->shortcut()));
        }
        // Like New Game: with no table ticked, the same message, and always on offer.
        fx.newGame({});
        fx.dialogs.messages.clear();
        practise->trigger();
        QCOMPARE(fx.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(fx.dialogs.messages[0].text, QString("You must select a table!"));
        fx.newGame({4});
        QVERIFY(practise->isEnabled());
    }

    // Progress shows what is known and starts a practice game.
    void practiseFromProgress() {
        DrillFixture fx;
        fx.startActive();
        fx.store.knowledge.push_back({sam, {{7, 8, 12, 9, 2, 1, today, 2}}});
        fx.newGame({7});
        fx.action("mnuCancelGame")->trigger();
        QString spoken;
        fx.modal.whileOpen = [&spoken](QDialog &window) {
            const QAbstractItemModel *grid =
                window.findChild<QTableView *>("grdKnowledge")->model();
            spoken = grid->data(grid->index(7 - 2, 8 - 1), Qt::AccessibleTextRole).toString();
            window.findChild<QPushButton *>("cmdPractise")->click();
        };
        fx.action("mnuProgress")->trigger();
        QCOMPARE(spoken, QString("7 x 8: asked 12 times, right 9, still learning"));
        QVERIFY(fx.state().GameInProgress);
        QCOMPARE(fx.caption("lblNum1"), QString("7"));
    }
};

QTEST_MAIN(TestPractice)
#include "test_practice.moc"
