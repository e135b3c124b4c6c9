// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "progress/played_game.h"

#include <QByteArray>

// A history as kept beside its records, so that a long one is not read
// record by record at every opening. Made for one year: a record's two-digit
// year may be read as another in another year.
QByteArray historyDigest(const PlayerHistory &history, int thisYear);
// Nothing when the bytes are not a sound digest made in thisYear.
std::optional<PlayerHistory> historyFromDigest(QByteArrayView digest, int thisYear);

// Has the store keep a digest of `history`, read as `read` tells, where that
// spares the next reading thousands of records.
void keepHistoryDigest(SettingsBackend &store, const QString &section, const PlayerHistory &history,
                       const HistoryRead &read, int thisYear);
// Reads the history and keeps its digest where that is worth it, so that the
// next reading is quick.
void refreshHistoryDigest(SettingsBackend &store, const QString &section, int thisYear);
