// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/knowledge.h"
#include "progress/practice_draw.h"
#include "support/seeded_random.h"

#include <QTest>

#include <climits>
#include <map>

Q_DECLARE_METATYPE(SumKnowledge)

namespace {

constexpr std::int64_t monday = 2461000;

// "R" right, "W" wrong, "T" out of time, "." the next day.
SumKnowledge played(const QString &script) {
    Knowledge knowledge;
    std::int64_t day = monday;
    for (QChar c : script) {
        if (c == '.') {
            ++day;
            continue;
        }
        const Outcome outcome = c == 'R'   ? Outcome::Right
                                : c == 'W' ? Outcome::Wrong
                                           : Outcome::OutOfTime;
        const AskedSum asked{{7, 8}, outcome};
        addGame(knowledge, std::span(&asked, 1), day);
    }
    return knowledge.of(7, 8);
}

SumKnowledge row(int asked, int right, int wrong, int timedOut, int box,
                 std::int64_t day = monday) {
    return {7, 8, asked, right, wrong, timedOut, day, box};
}

struct Drawn {
    Sum sum;
    bool inTrouble; // when it was drawn
};

// Sums drawn in `games` practice games of `length` sums, every answer given as `answer`.
std::vector<Drawn> practise(const std::vector<int> &tables, const Knowledge &known, int games,
                            int length, Outcome answer = Outcome::Right) {
    SeededRandom random;
    std::vector<Drawn> drawn;
    for (int game = 0; game < games; ++game) {
        std::vector<AskedSum> earlier;
        Knowledge now = known;
        for (int n = 0; n < length; ++n) {
            const std::optional<Sum> sum = drawPracticeSum(tables, known, earlier, monday, random);
            if (!sum)
                qFatal("no sum drawn");
            const SumKnowledge &state = now.of(sum->table, sum->multiplier);
            drawn.push_back({*sum, learningState(state) == LearningState::Trouble});
            earlier.push_back({*sum, answer});
            addGame(now, std::span(earlier).last(1), monday);
        }
    }
    return drawn;
}

} // namespace

class TestKnowledge : public QObject {
    Q_OBJECT

  private slots:
    void update_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<SumKnowledge>("expected");
        QTest::newRow("never asked") << "" << SumKnowledge{7, 8, 0, 0, 0, 0, 0, 0};
        QTest::newRow("right once") << "R" << row(1, 1, 0, 0, 1);
        QTest::newRow("right twice in a day is one box") << "RR" << row(2, 1 + 1, 0, 0, 1);
        QTest::newRow("right on three days is known") << "R.R.R" << row(3, 3, 0, 0, 3, monday + 2);
        QTest::newRow("the top box holds")
            << "R.R.R.R.R.R.R" << row(7, 7, 0, 0, topBox, monday + 6);
        QTest::newRow("a miss drops to trouble") << "R.R.R.W" << row(4, 3, 1, 0, 0, monday + 3);
        QTest::newRow("out of time is a miss") << "R.T" << row(2, 1, 0, 1, 0, monday + 1);
        QTest::newRow("right after a miss, same day") << "WR" << row(2, 1, 1, 0, 1);
    }
    void update() {
        QFETCH(QString, script);
        QFETCH(SumKnowledge, expected);
        QCOMPARE(played(script), expected);
    }

    void learningStates() {
        QCOMPARE(learningState(played("")), LearningState::NotAsked);
        QCOMPARE(learningState(played("R.W")), LearningState::Trouble);
        QCOMPARE(learningState(played("R.R")), LearningState::Learning);
        QCOMPARE(learningState(played("R.R.R")), LearningState::Known);
        // Box 2 waits two days, box 3 four.
        QVERIFY(!isDue(played("R.R"), monday + 2));
        QVERIFY(isDue(played("R.R"), monday + 3));
        QVERIFY(!isDue(played("R.R.R"), monday + 5));
        QVERIFY(isDue(played("R.R.R"), monday + 6));
    }

    // Rows from the store are taken only when they name a sum and add up.
    void storedRows_data() {
        QTest::addColumn<SumKnowledge>("stored");
        QTest::addColumn<bool>("taken");
        QTest::newRow("sound") << row(12, 9, 2, 1, 2) << true;
        QTest::newRow("trouble") << row(3, 0, 3, 0, 0) << true;
        QTest::newRow("table 16") << SumKnowledge{16, 8, 1, 1, 0, 0, monday, 1} << false;
        QTest::newRow("multiplier 0") << SumKnowledge{7, 0, 1, 1, 0, 0, monday, 1} << false;
        QTest::newRow("asked 0") << row(0, 0, 0, 0, 0) << false;
        QTest::newRow("does not add up") << row(5, 1, 1, 1, 1) << false;
        QTest::newRow("negative") << row(1, 2, -1, 0, 1) << false;
        QTest::newRow("box above right") << row(2, 1, 1, 0, 2) << false;
        QTest::newRow("box above the top") << row(9, 9, 0, 0, topBox + 1) << false;
        QTest::newRow("never asked day") << row(1, 1, 0, 0, 1, 0) << false;
        QTest::newRow("counts near the limit") << row(INT_MAX, INT_MAX, 0, 0, 1) << false;
        QTest::newRow("counts that overflow") << row(1, INT_MAX, INT_MAX, 2, 1) << false;
    }
    void storedRows() {
        QFETCH(SumKnowledge, stored);
        QFETCH(bool, taken);
        const Knowledge knowledge({stored});
        QCOMPARE(knowledge.isEmpty(), !taken);
        QCOMPARE(knowledge.rows().size(), std::size_t(taken));
    }

    void startsFromHistory() {
        PlayerHistory history;
        history.wrongSums = {{7, 8}, {6, 9}, {7, 8}};
        history.games = {{QDate(2026, 12, 5), {}, 0, 2, 0}, {QDate(2026, 12, 1), {}, 0, 1, 2}};
        const Knowledge knowledge = knowledgeFromHistory(history);
        const SumKnowledge &sevenEights = knowledge.of(7, 8);
        QCOMPARE(sevenEights,
                 (SumKnowledge{7, 8, 2, 0, 2, 0, QDate(2026, 12, 5).toJulianDay(), 0}));
        QCOMPARE(learningState(knowledge.of(6, 9)), LearningState::Trouble);
        QCOMPARE(knowledge.rows().size(), std::size_t(2));
    }

    // With nothing known every sum of the ticked tables is as likely, as in New
    // Game, but a sum waits while its turnaround was asked in the game.
    void drawWithoutKnowledgeIsEven() {
        const std::vector<Drawn> drawn = practise({3, 7}, Knowledge(), 300, 20);
        std::map<std::pair<int, int>, int> times;
        for (std::size_t at = 0; at < drawn.size(); at += 20) {
            const auto game = std::span(drawn).subspan(at, 20);
            const auto asked = [game](Sum sum) {
                return std::any_of(game.begin(), game.end(),
                                   [sum](Drawn draw) { return draw.sum == sum; });
            };
            QVERIFY(!(asked({3, 7}) && asked({7, 3})));
            for (Drawn draw : game)
                ++times[{draw.sum.table, draw.sum.multiplier}];
        }
        QCOMPARE(times.size(), std::size_t(30));
        times.erase({3, 7});
        times.erase({7, 3});
        QVERIFY2(unevenness(times) < 2 * 28, qPrintable(QString::number(unevenness(times))));
    }

    // Two thirds go to the sums in trouble, each waiting several others before
    // it comes back; never a sum twice in a row, nor again once answered right.
    void drawFavoursTrouble_data() {
        QTest::addColumn<Outcome>("answers");
        QTest::newRow("answered right") << Outcome::Right;
        QTest::newRow("answered wrong") << Outcome::Wrong;
    }
    void drawFavoursTrouble() {
        QFETCH(Outcome, answers);
        std::vector<SumKnowledge> rows;
        for (int multiplier = 3; multiplier <= 14; ++multiplier)
            rows.push_back({7, multiplier, 4, 1, 3, 0, monday - 1, 0});
        for (int multiplier : {1, 2, 15})
            rows.push_back({7, multiplier, 5, 5, 0, 0, monday - 1, knownBox});
        const Knowledge known(rows);
        const std::vector<Drawn> drawn = practise({2, 7}, known, 200, 20, answers);
        int inTrouble = 0;
        std::map<std::pair<int, int>, std::size_t> lastSeen;
        for (std::size_t at = 0; at < drawn.size(); ++at) {
            const Sum sum = drawn[at].sum;
            inTrouble += drawn[at].inTrouble;
            const auto seen = lastSeen.find({sum.table, sum.multiplier});
            if (seen != lastSeen.end() && seen->second / 20 == at / 20) {
                QCOMPARE(answers, Outcome::Wrong);
                QVERIFY(drawn[at].inTrouble);
                QVERIFY(at - seen->second > std::size_t(troubleSpacing));
            }
            lastSeen[{sum.table, sum.multiplier}] = at;
        }
        const double share = double(inTrouble) / double(drawn.size());
        // Answered right, a sum leaves trouble for the rest of the game.
        const double expected = answers == Outcome::Wrong ? troubleShare : 12.0 / 20;
        QVERIFY2(std::abs(share - expected) < 0.05, qPrintable(QString::number(share)));
    }

    // A day ahead of today, from a clock that was wrong, must not keep a sum away.
    void drawTakesADayAheadAsNeverSeen() {
        std::vector<SumKnowledge> rows;
        for (int multiplier = 1; multiplier <= 15; ++multiplier)
            rows.push_back({7, multiplier, 3, 3, 0, 0, monday - 1, knownBox});
        rows[8 - 1].lastAsked = monday + 1000;
        const std::vector<Drawn> drawn = practise({7}, Knowledge(rows), 1, 1);
        QVERIFY(drawn[0].sum == (Sum{7, 8}));
    }

    void drawNeedsATable() {
        SeededRandom random;
        QVERIFY(!drawPracticeSum(std::vector<int>{}, Knowledge(), {}, monday, random));
        QVERIFY(!drawPracticeSum(std::vector<int>{0, 16}, Knowledge(), {}, monday, random));
    }
};

QTEST_GUILESS_MAIN(TestKnowledge)
#include "test_knowledge.moc"
