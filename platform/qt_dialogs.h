// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/dialogs.h"

class ModalRunner;

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(ModalRunner &modal) : modal_(modal) {}

    MsgResult messageBox(const QString &text, MsgButtons buttons, MsgIcon icon,
                         const QString &title, const QString &spokenText = {}) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultAnswer) override;
    void beep() override;

  private:
    ModalRunner &modal_;
};
