// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Writes a believable history for a player, so that the end-to-end test and
// the screenshots find the Progress window with something to show: games of
// 10 sums, a day or two apart up to an hour ago, getting better, with the
// same few sums going wrong most.
//
//   seed_history <store file> <player> <games>
#include "drill/history_key.h"
#include "drill/score.h"
#include "drill/transcript.h"
#include "history/history_text.h"
#include "platform/sqlite_store.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int sums = 10;
const int hardSums[][2] = {{7, 8}, {6, 7}, {8, 9}, {12, 7}, {9, 6}, {7, 7}};

QString record(int game, int games, QRandomGenerator &random) {
    const double skill = 0.45 + 0.45 * game / std::max(1, games - 1);
    int correct = 0;
    QString wrong;
    for (int sum = 0; sum < sums; ++sum) {
        if (random.generateDouble() < skill) {
            ++correct;
            continue;
        }
        int table = int(random.bounded(2, 13));
        int multiplier = int(random.bounded(1, 13));
        if (random.bounded(3) > 0) {
            const auto &hard = hardSums[random.bounded(int(std::size(hardSums)))];
            table = hard[0];
            multiplier = hard[1];
        }
        const bool answered = random.bounded(4) > 0;
        wrong += transcriptLine(table, multiplier,
                                answered ? QString::number(table * multiplier + 1) : QString());
    }
    return scoreLine(correct, sums) + (wrong.isEmpty() ? QString() : transcriptHeader + wrong);
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: seed_history <store file> <player> <games>\n");
        return 2;
    }
    const int games = std::atoi(argv[3]);
    QRandomGenerator random(14);
    // Made from the last game back, then put in the order they were played.
    SettingPairs history;
    QDateTime when = QDateTime::currentDateTime().addSecs(-3600);
    for (int game = games - 1; game >= 0; --game) {
        history.emplace_back(historyKey(when), record(game, games, random));
        when = when.addSecs(-3600 * qint64(20 + random.bounded(30)));
    }
    std::reverse(history.begin(), history.end());
    SqliteStore store(QString::fromLocal8Bit(argv[1]));
    return store.write(historySection(QString::fromLocal8Bit(argv[2])), history) ? 0 : 1;
}
