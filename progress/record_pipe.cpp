// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/record_pipe.h"

void RecordPipe::add(QByteArrayView key, QByteArrayView record) {
    filling_.text.append(key.data(), std::size_t(key.size()));
    filling_.ends.push_back(std::uint32_t(filling_.text.size()));
    filling_.text.append(record.data(), std::size_t(record.size()));
    filling_.ends.push_back(std::uint32_t(filling_.text.size()));
    if (filling_.text.size() >= batchBytes)
        send();
}

void RecordPipe::close() {
    if (!filling_.ends.empty())
        send();
    const std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
}

void RecordPipe::send() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return waiting_.size() < batchesWaiting; });
    waiting_.push_back(std::move(filling_));
    filling_ = {};
    if (!spare_.empty()) {
        filling_ = std::move(spare_.back());
        spare_.pop_back();
    }
    changed_.notify_all();
}

bool RecordPipe::take(RecordBatch &batch) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !waiting_.empty() || closed_; });
    if (waiting_.empty())
        return false;
    batch = std::move(waiting_.front());
    waiting_.pop_front();
    changed_.notify_all();
    return true;
}

void RecordPipe::giveBack(RecordBatch &&batch) {
    batch.text.clear();
    batch.ends.clear();
    const std::lock_guard lock(mutex_);
    spare_.push_back(std::move(batch));
}
