// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/settings_backend.h"

#include <QDate>
#include <QTime>

#include <optional>
#include <vector>

inline constexpr int firstTable = 2;
inline constexpr int lastTable = 15;
inline constexpr int tablesShown = lastTable - firstTable + 1;
inline constexpr int multipliersShown = 15; // 1 to 15

struct WrongSum {
    int table;
    int multiplier;
    bool operator==(const WrongSum &) const = default;
};

// One finished game as its history record tells it. The date and time are the
// record's own, as written: no time zone is implied.
struct PlayedGame {
    QDate date;
    QTime time;
    int correct = 0;
    int sums = 0;
    std::vector<WrongSum> wrong;
};

// A record's key ("06/12/26 14:03:09", years 2000 to 2099) and text, as
// UTF-8. Nothing when either is not in the form the game writes, or they
// disagree: a score of 8/10 must come with exactly two wrong sums.
std::optional<PlayedGame> readPlayedGame(QByteArrayView key, QByteArrayView record);

struct PlayerHistory {
    std::vector<PlayedGame> games; // in the order they were played
    int unreadable = 0;
};

// The records of a player's history section.
PlayerHistory readPlayerHistory(SettingsBackend &store, const QString &section);

// The whole part of the percentage, as the rating takes it.
int percentRight(const PlayedGame &game);
