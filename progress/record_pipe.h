// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QByteArrayView>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

// Records copied out of the store, each key followed by its record.
struct RecordBatch {
    std::string text;
    std::vector<std::uint32_t> ends; // of each key and each record, in turn

    template <typename Visit> void forEach(Visit visit) const {
        std::uint32_t start = 0;
        for (std::size_t i = 0; i + 1 < ends.size(); i += 2) {
            visit(QByteArrayView(text.data() + start, ends[i] - start),
                  QByteArrayView(text.data() + ends[i], ends[i + 1] - ends[i]));
            start = ends[i + 1];
        }
    }
};

// Hands records from the thread that reads the store to one that parses
// them, a batch at a time, so that a long history keeps both cores busy.
// At most a few batches wait, so a slow reader never holds the whole history.
class RecordPipe {
  public:
    // The storing side.
    void add(QByteArrayView key, QByteArrayView record);
    // No more records: the reader's take() ends once it has the last.
    void close();

    // The reading side: false once every batch was taken and the pipe is
    // closed. A batch taken may be given back, to be filled again.
    bool take(RecordBatch &batch);
    void giveBack(RecordBatch &&batch);

  private:
    void send();

    static constexpr std::size_t batchBytes = 64 * 1024;
    static constexpr std::size_t batchesWaiting = 4;

    RecordBatch filling_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<RecordBatch> waiting_;
    std::vector<RecordBatch> spare_;
    bool closed_ = false;
};
