// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

class QDialog;

// Shows a window modally and returns once it has been closed. Tests hand in a
// runner that plays the user's part instead of blocking.
class ModalRunner {
  public:
    virtual ~ModalRunner() = default;
    virtual void runModal(QDialog &dialog) = 0;
};
