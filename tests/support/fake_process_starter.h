// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/process_starter.h"

#include <QStringList>

// Starts only the programs it was told are installed, and records every try.
class FakeProcessStarter : public ProcessStarter {
  public:
    bool startProgram(const QString &path) override {
        tried.push_back(path);
        return installed.contains(path);
    }

    QStringList installed;
    QStringList tried;
};
