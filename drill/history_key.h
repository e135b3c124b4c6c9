// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/settings_backend.h"

#include <QDateTime>
#include <QString>

#include <optional>

// "06/12/26 14:03:09": always "/" and ":", whatever the regional separators.
QString historyKey(const QDateTime &when);

// The date and time a key names, as written: no time zone is implied.
struct KeyTime {
    QDate date;
    QTime time;
};

// A key as the game writes it, its two-digit year read as the latest year
// not after thisYear (a clock put back to 1970 wrote "70", not 2070); any
// separators will do, as regional ones once were. Nothing for any other text.
std::optional<KeyTime> readHistoryKey(QByteArrayView key, int thisYear);

// Adds a record under the key of `when`, or of the first second after it
// that the player has no record under: two copies of the program can end the
// same player's games within one second. What is kept of the player's sums
// is replaced, in the same transaction, by what `update` makes of it. False
// when it could not be stored.
bool addRecord(SettingsBackend &store, const QString &section, const QDateTime &when,
               const QString &record, const KnowledgeUpdate &update);
