// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/process_starter.h"

class DetachedProcessStarter : public ProcessStarter {
  public:
    bool startProgram(const QString &path) override;
};
