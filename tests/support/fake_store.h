// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/settings_backend.h"

#include <functional>
#include <vector>

// An in-memory store that records every call and can be told to fail.
class FakeStore : public SettingsBackend {
  public:
    std::optional<QString> read(const QString &section, const QString &key) override;
    SettingPairs readAll(const QString &section) override;
    // The later half of a section goes to `rest`, as a file store's may.
    void visitAll(const QString &section, const Visit &visit, const Visit &rest) override;
    bool write(const QString &section, const SettingPairs &pairs) override;
    std::vector<SumKnowledge> readKnowledge(const QString &section) override;
    Insertion insertWithKnowledge(const QString &section, const QString &key, const QString &value,
                                  const KnowledgeUpdate &update) override;
    Trouble trouble() override { return troubleFound; }
    bool checking() override { return stillChecking; }

    // Test set-up, bypassing the call log.
    void put(const QString &section, const QString &key, const QString &value);
    std::optional<QString> value(const QString &section, const QString &key) const;

    struct Entry {
        QString section;
        QString key;
        QString value;
    };
    std::vector<Entry> entries;
    // What is kept of each player's sums, by history section.
    std::vector<std::pair<QString, std::vector<SumKnowledge>>> knowledge;
    std::vector<QString> readLog;  // "section/key" per read
    std::vector<QString> visitLog; // each section visited whole
    std::vector<Entry> writeLog;
    bool failWrites = false;
    bool failReads = false;
    Trouble troubleFound = Trouble::None;
    bool stillChecking = false;

  private:
    Entry *find(const QString &section, const QString &key);
    std::vector<SumKnowledge> *knowledgeOf(const QString &section);
};
