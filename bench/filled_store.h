// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/sqlite_store.h"
#include "program_writes.h"

// A store under `home` as the program keeps it, with `records` finished games
// of the last player, Sam.
inline void fillStore(const QString &home, int records) {
    const QString player = QStringLiteral("Sam");
    SettingPairs history;
    for (int n = 0; n < records; ++n)
        history.push_back(program_writes::record(n));
    SqliteStore store(home + QStringLiteral("/Quorvel/settings.sqlite"));
    store.write(QStringLiteral("Options"), {{QStringLiteral("LastPlayer"), player}});
    store.write(program_writes::historySection(player), history);
}
