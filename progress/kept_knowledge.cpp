// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/kept_knowledge.h"

namespace {

template <typename FromHistory>
Knowledge keptOr(const std::vector<SumKnowledge> &kept, FromHistory fromHistory) {
    Knowledge knowledge(kept);
    return knowledge.isEmpty() ? fromHistory() : knowledge;
}

Knowledge fromStoredHistory(SettingsBackend &store, const QString &section) {
    return knowledgeFromHistory(readPlayerHistory(store, section).games);
}

} // namespace

Knowledge keptKnowledge(SettingsBackend &store, const QString &section) {
    return keptOr(store.readKnowledge(section), [&] { return fromStoredHistory(store, section); });
}

Knowledge keptKnowledge(SettingsBackend &store, const QString &section,
                        const std::vector<PlayedGame> &history) {
    return keptOr(store.readKnowledge(section),
                  [&history] { return knowledgeFromHistory(history); });
}

KnowledgeUpdate addingGame(SettingsBackend &store, const QString &section,
                           std::vector<AskedSum> game, std::int64_t day) {
    return [&store, section, game = std::move(game), day](const std::vector<SumKnowledge> &kept) {
        Knowledge knowledge = keptOr(kept, [&] { return fromStoredHistory(store, section); });
        addGame(knowledge, game, day);
        return knowledge.rows();
    };
}
