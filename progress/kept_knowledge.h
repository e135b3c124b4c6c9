// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "progress/knowledge.h"

// What the store keeps of a player's sums, where the player's history section
// is `section`; when it keeps nothing sound, what the history tells.
Knowledge keptKnowledge(SettingsBackend &store, const QString &section, std::int64_t today);
// The same, from the history already read.
Knowledge keptKnowledge(SettingsBackend &store, const QString &section,
                        const PlayerHistory &history);

// Adds one game's sums, played on `day`, to what is kept when the record is
// written.
KnowledgeUpdate addingGame(SettingsBackend &store, const QString &section,
                           std::vector<AskedSum> game, std::int64_t day);
