// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "progress/played_game.h"

#include <QDateTime>

enum class Period { LastTenGames, LastThirtyDays, AllGames };
inline constexpr Period periods[] = {Period::LastTenGames, Period::LastThirtyDays,
                                     Period::AllGames};

// The games of the period, in the order they were played. The last 30 days
// run from the same clock time 30 days before now up to now: a game dated
// later (the clock was put back since) is not among them.
std::vector<const PlayedGame *> gamesIn(const std::vector<PlayedGame> &games, Period period,
                                        const QDateTime &now);
