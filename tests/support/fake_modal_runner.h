// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/modal_runner.h"

#include <QDialog>

#include <functional>

// Plays the user's part while a window is open modally: runs whileOpen, then
// returns as if the window had been closed.
class FakeModalRunner : public ModalRunner {
  public:
    void runModal(QDialog &dialog) override {
        ++opened;
        if (whileOpen)
            whileOpen(dialog);
    }

    std::function<void(QDialog &)> whileOpen;
    int opened = 0;
};
