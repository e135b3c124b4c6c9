// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "fake_store.h"

namespace {
bool sameName(const QString &a, const QString &b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

FakeStore::Entry *FakeStore::find(const QString &section, const QString &key) {
    for (Entry &entry : entries) {
        if (sameName(entry.section, section) && sameName(entry.key, key))
            return &entry;
    }
    return nullptr;
}

std::optional<QString> FakeStore::read(const QString &section, const QString &key) {
    readLog.push_back(section + QLatin1Char('/') + key);
    if (failReads)
        return std::nullopt;
    if (const Entry *entry = find(section, key))
        return entry->value;
    return std::nullopt;
}

SettingPairs FakeStore::readAll(const QString &section) {
    SettingPairs pairs;
    if (failReads)
        return pairs;
    for (const Entry &entry : entries) {
        if (sameName(entry.section, section))
            pairs.emplace_back(entry.key, entry.value);
    }
    return pairs;
}

void FakeStore::visitAll(const QString &section, const Visit &visit, const Visit &rest) {
    visitLog.push_back(section);
    const SettingPairs pairs = readAll(section);
    const std::size_t half = pairs.size() / 2;
    for (std::size_t i = 0; i < half; ++i)
        visit(pairs[i].first.toUtf8(), pairs[i].second.toUtf8());
    for (std::size_t i = pairs.size(); i > half; --i)
        rest(pairs[i - 1].first.toUtf8(), pairs[i - 1].second.toUtf8());
}

bool FakeStore::write(const QString &section, const SettingPairs &pairs) {
    if (failWrites)
        return false;
    for (const auto &[key, value] : pairs) {
        writeLog.push_back({section, key, value});
        put(section, key, value);
    }
    return true;
}

void FakeStore::put(const QString &section, const QString &key, const QString &value) {
    if (Entry *entry = find(section, key))
        entry->value = value;
    else
        entries.push_back({section, key, value});
}

std::optional<QString> FakeStore::value(const QString &section, const QString &key) const {
    for (const Entry &entry : entries) {
        if (sameName(entry.section, section) && sameName(entry.key, key))
            return entry.value;
    }
    return std::nullopt;
}

std::vector<SumKnowledge> *FakeStore::knowledgeOf(const QString &section) {
    for (auto &[player, rows] : knowledge) {
        if (sameName(player, section))
            return &rows;
    }
    return nullptr;
}

std::vector<SumKnowledge> FakeStore::readKnowledge(const QString &section) {
    const std::vector<SumKnowledge> *kept = failReads ? nullptr : knowledgeOf(section);
    return kept ? *kept : std::vector<SumKnowledge>();
}

SettingsBackend::Insertion FakeStore::insertWithKnowledge(const QString &section,
                                                          const QString &key, const QString &value,
                                                          const KnowledgeUpdate &update) {
    if (failWrites)
        return Insertion::Failed;
    if (find(section, key))
        return Insertion::KeyTaken;
    std::vector<SumKnowledge> rows = update(readKnowledge(section));
    write(section, {{key, value}});
    if (std::vector<SumKnowledge> *kept = knowledgeOf(section))
        *kept = std::move(rows);
    else
        knowledge.emplace_back(section, std::move(rows));
    return Insertion::Added;
}
