// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/kept_knowledge.h"

namespace {

template <typename FromHistory>
Knowledge keptOr(const std::vector<SumKnowledge> &kept, FromHistory fromHistory) {
    Knowledge knowledge(kept);
    return knowledge.isEmpty() ? fromHistory() : knowledge;
}

Knowledge fromStoredHistory(SettingsBackend &store, const QString &section, std::int64_t today) {
    const int thisYear = QDate::fromJulianDay(today).year();
    return knowledgeFromHistory(readPlayerHistory(store, section, thisYear));
}

} // namespace

Knowledge keptKnowledge(SettingsBackend &store, const QString &section, std::int64_t today) {
    return keptOr(store.readKnowledge(section),
                  [&] { return fromStoredHistory(store, section, today); });
}

Knowledge keptKnowledge(SettingsBackend &store, const QString &section,
                        const PlayerHistory &history) {
    return keptOr(store.readKnowledge(section),
                  [&history] { return knowledgeFromHistory(history); });
}

KnowledgeUpdate addingGame(SettingsBackend &store, const QString &section,
                           std::vector<AskedSum> game, std::int64_t day) {
    return [&store, section, game = std::move(game), day](const std::vector<SumKnowledge> &kept) {
        Knowledge knowledge = keptOr(kept, [&] { return fromStoredHistory(store, section, day); });
        addGame(knowledge, game, day);
        return knowledge.rows();
    };
}
