// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// A logout or shut-down ends the program with SIGTERM or SIGHUP, or by taking
// its display away; a terminal with SIGINT or SIGQUIT. Each of these runs
// `save` once, as the program's own exit does, and then ends the process.
// There is one at a time.
class SessionEnd : public QObject {
  public:
    explicit SessionEnd(std::function<void()> save);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd &) = delete;
    SessionEnd &operator=(const SessionEnd &) = delete;

  private:
    void onSignal();

    QSocketNotifier *notifier_ = nullptr;
};
