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
    bool write(const QString &section, const SettingPairs &pairs) override;
    Trouble trouble() override { return troubleFound; }

    // Test set-up, bypassing the call log.
    void put(const QString &section, const QString &key, const QString &value);
    std::optional<QString> value(const QString &section, const QString &key) const;

    struct Entry {
        QString section;
        QString key;
        QString value;
    };
    std::vector<Entry> entries;
    std::vector<QString> readLog; // "section/key" per read
    std::vector<Entry> writeLog;
    bool failWrites = false;
    bool failReads = false;
    Trouble troubleFound = Trouble::None;

  private:
    Entry *find(const QString &section, const QString &key);
};
