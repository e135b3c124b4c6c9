// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/settings_backend.h"

// A player's records, read from the store a batch at a time as they are
// paged through, so that the first is shown without reading them all. A
// record (and its key) is read no further than shows it is longer than a box
// can show.
class HistoryRecords {
  public:
    HistoryRecords(SettingsBackend &store, QString section);

    qsizetype count() const { return count_; }
    // In order, from the first; throws std::runtime_error when the store no
    // longer gives a record it counted.
    const std::pair<QString, QString> &next();

  private:
    SettingsBackend &store_;
    QString section_;
    qsizetype count_;
    qsizetype read_ = 0; // records handed out so far
    SettingPairs batch_;
    std::size_t inBatch_ = 0;
};
