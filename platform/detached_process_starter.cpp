// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/detached_process_starter.h"

#include <QProcess>

bool DetachedProcessStarter::startProgram(const QString &path) {
    // The path is the whole program name, never split at blanks.
    return QProcess::startDetached(path, {});
}
