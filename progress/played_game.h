// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/settings_backend.h"

#include <QDate>
#include <QTime>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

inline constexpr int firstTable = 2;
inline constexpr int lastTable = 15;
inline constexpr int tablesShown = lastTable - firstTable + 1;
inline constexpr int multipliersShown = 15; // 1 to 15

struct WrongSum {
    std::uint8_t table;
    std::uint8_t multiplier;
    bool operator==(const WrongSum &) const = default;
};

// One finished game as its history record tells it. The date and time are the
// record's own, as written: no time zone is implied.
struct PlayedGame {
    QDate date;
    QTime time;
    int correct = 0;
    int sums = 0;
    // Where its sums - correct wrong sums start in the list they were read
    // into: a place, not a pointer, is half the size and survives the list growing.
    std::uint32_t firstWrong = 0;
};

// A record's key ("06/12/26 14:03:09", its year the latest not after
// thisYear that ends in those digits) and text, as UTF-8. Nothing when either is not in the form
// the game writes, or they disagree: a score of 8/10 must come with exactly two wrong sums. The
// wrong sums are added to wrongSums.
std::optional<PlayedGame> readPlayedGame(QByteArrayView key, QByteArrayView record,
                                         std::vector<WrongSum> &wrongSums, int thisYear);

// The sums a game read into `wrongSums` went wrong in.
inline std::span<const WrongSum> wrongSumsOf(const PlayedGame &game,
                                             std::span<const WrongSum> wrongSums) {
    return wrongSums.subspan(game.firstWrong, std::size_t(game.sums - game.correct));
}

struct PlayerHistory {
    std::vector<PlayedGame> games; // in the order they were played
    int unreadable = 0;
    // Every game's in one block: thousands of games are read at once. Each
    // game's own lie together where it says, not always in the games' order.
    std::vector<WrongSum> wrongSums;

    std::span<const WrongSum> wrongSumsOf(const PlayedGame &game) const {
        return ::wrongSumsOf(game, wrongSums);
    }
};

// Where the records behind a history end in the store (nothing when not all
// could be read), and how many were read one by one, not from a digest.
struct HistoryRead {
    std::optional<qint64> through;
    qsizetype records = 0;
};

// The records of a player's history section, through the digest the store
// keeps of them where it has a sound one.
PlayerHistory readPlayerHistory(SettingsBackend &store, const QString &section, int thisYear,
                                HistoryRead *read = nullptr);

// The whole part of the percentage, as the rating takes it.
int percentRight(const PlayedGame &game);
