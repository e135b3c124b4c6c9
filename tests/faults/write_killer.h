// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

#include <chrono>
#include <deque>
#include <random>
#include <sys/types.h>

// Watches a store's rollback journal, written to from the start of a write
// and deleted when it commits, to time a write or to kill a process in the
// middle of one. (A journal left by a kill before it was synced is not hot:
// the next write reuses the file, so its creation is no sign of a write.)
// Make it after the process has opened the store and before the write starts.
class WriteKiller {
  public:
    explicit WriteKiller(const QString &storePath);
    ~WriteKiller();
    WriteKiller(const WriteKiller &) = delete;
    WriteKiller &operator=(const WriteKiller &) = delete;

    enum class Outcome { NoWrite, DuringWrite, AfterWrite };

    // Once the next write begins, waits a random time up to maxDelay and
    // kills pid with SIGKILL. NoWrite: no write began within the timeout,
    // and nothing was killed.
    Outcome killDuringNextWrite(pid_t pid, std::chrono::microseconds maxDelay,
                                std::mt19937 &random);
    // How long the next write keeps its journal; zero when none began.
    std::chrono::microseconds timeNextWrite();

  private:
    enum class Event { Written, Deleted, None };
    Event nextEvent(std::chrono::milliseconds timeout);
    bool writeBegins();

    QString journalName_;
    std::deque<Event> pending_;
    int fd_ = -1;
    int watch_ = -1;
    static constexpr std::chrono::seconds timeout_{20};
};
