// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QDateTime>
#include <QString>

class SettingsBackend;

// "06/12/26 14:03:09": always "/" and ":", whatever the regional separators.
QString historyKey(const QDateTime &when);

// The year a key's two digits name: the latest not after thisYear, so that a
// key written by a clock put back to 1970 is not read as 2070.
int yearOfKey(int twoDigits, int thisYear);

// Adds a record under the key of `when`, or of the first second after it
// that the player has no record under: two copies of the program can end the
// same player's games within one second. False when it could not be stored.
bool addRecord(SettingsBackend &store, const QString &section, const QDateTime &when,
               const QString &record);
