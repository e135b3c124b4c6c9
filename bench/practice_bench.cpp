// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// What practice costs while a child plays: drawing a practice sum, and
// writing what is known of the sums with the record at a game's end, against
// the same record written alone, on the disk that holds the current folder.
//
// Usage: practice_bench [games]
#include "bench/figures.h"
#include "bench/filled_store.h"
#include "progress/practice_draw.h"
#include "support/seeded_random.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <numeric>

namespace {

constexpr int sumsInLongestGame = 100;
const std::int64_t today = QDate(2026, 12, 7).toJulianDay();

double msSince(const QElapsedTimer &timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// A whole longest game of practice over every table, each draw timed.
std::vector<double> drawGame(const Knowledge &known, RandomSource &random,
                             std::vector<AskedSum> &game) {
    std::vector<int> tables(tablesShown);
    std::iota(tables.begin(), tables.end(), firstTable);
    std::vector<double> drawMs;
    game.clear();
    for (int n = 0; n < sumsInLongestGame; ++n) {
        QElapsedTimer took;
        took.start();
        const std::optional<Sum> sum = drawPracticeSum(tables, known, game, today, random);
        drawMs.push_back(msSince(took));
        game.push_back({sum.value(), n % 3 ? Outcome::Right : Outcome::Wrong});
    }
    return drawMs;
}

} // namespace

int main(int argc, char *argv[]) {
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const Knowledge known = seasonedPlayer(today);
    SeededRandom random(20261207);

    std::vector<double> drawMs, alone, withKnowledge;
    std::vector<AskedSum> game;
    // Not the temporary folder: that is often a RAM disk, where a sync costs nothing.
    QTemporaryDir home(QDir::current().filePath(QStringLiteral("practice-bench-XXXXXX")));
    SqliteStore store(home.filePath(QStringLiteral("settings.sqlite")));
    const QString section = program_writes::historySection(QStringLiteral("Sam"));
    for (int n = 0; n < games; ++n) {
        const std::vector<double> draws = drawGame(known, random, game);
        drawMs.insert(drawMs.end(), draws.begin(), draws.end());

        // The same record each way, the two ways taking turns.
        const auto [key, text] = program_writes::record(2 * n);
        QElapsedTimer took;
        took.start();
        store.insert(section, key, text);
        alone.push_back(msSince(took));
        took.start();
        store.insertWithKnowledge(section, program_writes::recordKey(2 * n + 1), text,
                                  [&game](const std::vector<SumKnowledge> &kept) {
                                      Knowledge knowledge(kept);
                                      addGame(knowledge, game, today);
                                      return knowledge.rows();
                                  });
        withKnowledge.push_back(msSince(took));
    }

    std::printf("Practice, %d games of %d sums over every table:\n", games, sumsInLongestGame);
    printFigure("drawing a practice sum, median", 1000 * median(drawMs), "us", 1000);
    printFigure("drawing a practice sum, slowest", 1000 * percentile(drawMs, 1), "us", 1000);
    printFigure("record alone, median", median(alone), "ms", 30);
    printFigure("record and what is known, median", median(withKnowledge), "ms", 30);
    printFigure("what is known adds, median", median(withKnowledge) - median(alone), "ms", 5);
    return 0;
}
