// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// Starts other programs. The program never waits for them or watches them.
class ProcessStarter {
  public:
    virtual ~ProcessStarter() = default;

    // Starts the program at this full path with no arguments and returns at
    // once; false when it could not be started.
    virtual bool startProgram(const QString &path) = 0;
};
