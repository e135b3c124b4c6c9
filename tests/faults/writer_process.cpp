// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "writer_process.h"

WriterProcess::WriterProcess(const QString &storePath, const QString &player) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(QUORVEL_STORE_WRITER), {storePath, player});
}

WriterProcess::~WriterProcess() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished();
    }
}

void WriterProcess::send(const QByteArray &command) {
    process_.write(command + '\n');
    process_.waitForBytesWritten();
}

QByteArray WriterProcess::reply(int timeoutMs) {
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(timeoutMs))
            return {};
    }
    return process_.readLine().trimmed();
}

bool WriterProcess::finished(int timeoutMs) {
    return process_.waitForFinished(timeoutMs) && process_.exitStatus() == QProcess::NormalExit &&
           process_.exitCode() == 0;
}
