// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/settings_backend.h"

#include <algorithm>

SettingPairs SettingsBackend::readPart(const QString &section, qsizetype first, qsizetype limit,
                                       qsizetype textLimit) {
    SettingPairs all = readAll(section);
    const auto from = std::min(std::size_t(std::max<qsizetype>(first, 0)), all.size());
    const auto to = limit < 0 ? all.size() : std::min(all.size(), from + std::size_t(limit));
    SettingPairs part(std::make_move_iterator(all.begin() + qsizetype(from)),
                      std::make_move_iterator(all.begin() + qsizetype(to)));
    if (textLimit >= 0) {
        for (auto &[key, value] : part) {
            key.truncate(textLimit);
            value.truncate(textLimit);
        }
    }
    return part;
}

qsizetype SettingsBackend::count(const QString &section) {
    return qsizetype(readAll(section).size());
}

void SettingsBackend::visitAll(const QString &section, const Visit &visit, const Visit &) {
    for (const auto &[key, value] : readAll(section))
        visit(key.toUtf8(), value.toUtf8());
}

std::optional<qint64> SettingsBackend::visitAfter(const QString &section,
                                                  std::optional<qint64> after, const Visit &visit,
                                                  const Visit &rest) {
    // No digest is kept here, so there is never a place to go on from.
    if (!after)
        visitAll(section, visit, rest);
    return std::nullopt;
}

std::optional<SettingsBackend::Digest> SettingsBackend::readDigest(const QString &) {
    return std::nullopt;
}

bool SettingsBackend::keepDigest(const QString &, const Digest &) {
    return false;
}

SettingsBackend::Insertion SettingsBackend::insert(const QString &section, const QString &key,
                                                   const QString &value) {
    if (read(section, key))
        return Insertion::KeyTaken;
    return write(section, {{key, value}}) ? Insertion::Added : Insertion::Failed;
}

std::vector<SumKnowledge> SettingsBackend::readKnowledge(const QString &) {
    return {};
}

SettingsBackend::Insertion SettingsBackend::insertWithKnowledge(const QString &section,
                                                                const QString &key,
                                                                const QString &value,
                                                                const KnowledgeUpdate &) {
    return insert(section, key, value);
}
