// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "drill/transcript.h"
#include "platform/settings_backend.h"

#include <QDateTime>
#include <QString>

// What the program writes to its store, in the form the fault tests drive
// and check it. A window state is 17 bits: the three pace marks, then the
// fourteen table boxes.
namespace program_writes {

inline constexpr unsigned stateBits = 17;
// The sums of each game, as the options keep them.
inline constexpr int sumsAGame = 10;
inline constexpr unsigned allBits = (1u << stateBits) - 1;

inline bool paceMark(unsigned state, int pace) {
    return (state >> pace) & 1u;
}
inline bool tableTicked(unsigned state, int table) {
    return (state >> (3 + table)) & 1u;
}

// The "Options" section after a shut-down in this state.
inline SettingPairs options(const QString &player, unsigned state) {
    auto flag = [](bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); };
    SettingPairs pairs{{QStringLiteral("LastPlayer"), player},
                       {QStringLiteral("SlowSpeed"), flag(paceMark(state, 0))},
                       {QStringLiteral("MediumSpeed"), flag(paceMark(state, 1))},
                       {QStringLiteral("FastSpeed"), flag(paceMark(state, 2))},
                       {QStringLiteral("MaximumSums"), QString::number(sumsAGame)}};
    for (int i = 0; i < 14; ++i)
        pairs.emplace_back(QStringLiteral("Times %1").arg(i),
                           tableTicked(state, i) ? QStringLiteral("1") : QStringLiteral("0"));
    return pairs;
}

inline QString historySection(const QString &player) {
    return QStringLiteral("History\\") + player;
}

// Game n ended n seconds after a fixed moment, so every game has its own key.
inline QString recordKey(int n) {
    const QDateTime start(QDate(2026, 12, 6), QTime(9, 0));
    return start.addSecs(n).toString(QStringLiteral("dd/MM/yy HH:mm:ss"));
}

// The record of game n: a score out of 10 and a line per sum answered wrong.
inline QString recordText(int n) {
    const int correct = n % 11;
    QString text = QStringLiteral("You have scored %1/10.\r\n\r\n").arg(correct);
    if (correct == 10)
        return text;
    text += transcriptHeader;
    for (int i = correct; i < 10; ++i)
        text += transcriptLine(i + 2, n % 13 + 3, QString::number(n % 97));
    return text;
}

inline std::pair<QString, QString> record(int n) {
    return {recordKey(n), recordText(n)};
}

} // namespace program_writes
