// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "history/history_records.h"

#include "history/history_text.h"

#include <stdexcept>

namespace {
constexpr qsizetype batchSize = 1000;
}

HistoryRecords::HistoryRecords(SettingsBackend &store, QString section)
    : store_(store), section_(std::move(section)), count_(store.count(section_)) {}

const std::pair<QString, QString> &HistoryRecords::next() {
    if (inBatch_ == batch_.size()) {
        batch_ = store_.readPart(section_, read_, std::min(batchSize, count_ - read_),
                                 maxShownCharacters + 1);
        inBatch_ = 0;
        if (batch_.empty())
            throw std::runtime_error("a counted record could not be read");
    }
    ++read_;
    return batch_[inBatch_++];
}
