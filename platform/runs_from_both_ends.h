// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QtGlobal>

#include <mutex>

// Ids, first to last, or none when first is past last.
struct IdRun {
    qint64 first = 1;
    qint64 last = 0;
    bool empty() const { return first > last; }
    // How many ids past the first; only for a run that is not empty.
    quint64 span() const;
};

// The ids first to last, handed to two readers in runs, one reader taking
// them from the front and the other from the back until they meet: the one
// that starts later or reads slower takes fewer, so neither waits long for
// the other. Each id is handed out once.
class RunsFromBothEnds {
  public:
    RunsFromBothEnds(qint64 first, qint64 last, qint64 runLength);

    // Empty once nothing is left.
    IdRun takeFront();
    IdRun takeBack();

  private:
    std::mutex mutex_;
    IdRun left_;
    const qint64 runLength_;
};
