// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/sqlite_store.h"
#include "program_writes.h"
#include "progress/knowledge.h"

#include <QDate>

// A player who has met every sum: some in trouble, some learning, some known.
inline Knowledge seasonedPlayer(std::int64_t today) {
    Knowledge known;
    for (int table = firstTable; table < firstTable + tablesShown; ++table)
        for (int multiplier = 1; multiplier <= multipliersShown; ++multiplier) {
            SumKnowledge &sum = known.of(table, multiplier);
            sum.asked = 4 + (table * multiplier) % 9;
            sum.box = (table + multiplier) % (topBox + 1);
            sum.right = sum.box == 0 ? sum.asked - 1 : sum.asked;
            sum.wrong = sum.asked - sum.right;
            sum.lastAsked = today - (table % 12);
        }
    return known;
}

// A store under `home` as the program keeps it, with `records` finished games
// of the last player, Sam, and what is known of every sum.
inline void fillStore(const QString &home, int records) {
    const QString player = QStringLiteral("Sam");
    const QString section = program_writes::historySection(player);
    SettingPairs history;
    for (int n = 0; n + 1 < records; ++n)
        history.push_back(program_writes::record(n));
    SqliteStore store(home + QStringLiteral("/Quorvel/settings.sqlite"));
    store.write(QStringLiteral("Options"), {{QStringLiteral("LastPlayer"), player}});
    store.write(section, history);
    if (records == 0)
        return;
    const auto [key, text] = program_writes::record(records - 1);
    store.insertWithKnowledge(section, key, text, [](const std::vector<SumKnowledge> &) {
        return seasonedPlayer(QDate::currentDate().toJulianDay()).rows();
    });
}
