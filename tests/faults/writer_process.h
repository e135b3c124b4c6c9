// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

// A running store_writer, talked to a line at a time.
class WriterProcess {
  public:
    WriterProcess(const QString &storePath, const QString &player);
    ~WriterProcess();
    WriterProcess(const WriterProcess &) = delete;
    WriterProcess &operator=(const WriterProcess &) = delete;

    void send(const QByteArray &command);
    // The next line it prints, or empty when it ended or timed out first.
    QByteArray reply(int timeoutMs = 30000);
    // Waits for it to end; true when it ended by itself and reported no failure.
    bool finished(int timeoutMs = 30000);
    qint64 pid() const { return process_.processId(); }

  private:
    QProcess process_;
};
