// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/period.h"

namespace {
bool playedSince(const PlayedGame &game, QDate date, QTime time) {
    return game.date > date || (game.date == date && game.time >= time);
}

bool playedBy(const PlayedGame &game, const QDateTime &now) {
    return game.date < now.date() || (game.date == now.date() && game.time <= now.time());
}
} // namespace

std::vector<const PlayedGame *> gamesIn(const std::vector<PlayedGame> &games, Period period,
                                        const QDateTime &now) {
    std::size_t first = 0;
    if (period == Period::LastTenGames && games.size() > 10)
        first = games.size() - 10;
    const QDate since = now.date().addDays(-30);
    std::vector<const PlayedGame *> chosen;
    chosen.reserve(games.size() - first);
    for (std::size_t i = first; i < games.size(); ++i) {
        if (period != Period::LastThirtyDays ||
            (playedSince(games[i], since, now.time()) && playedBy(games[i], now)))
            chosen.push_back(&games[i]);
    }
    return chosen;
}
