// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/modal_runner.h"

class QtModalRunner : public ModalRunner {
  public:
    void runModal(QDialog &dialog) override;
};
