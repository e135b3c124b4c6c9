// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// The modal conversations the program has with the user. The windows get one
// of these when they are made, so tests can answer for the user.
enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Information, Exclamation };
enum class MsgResult { Ok, Yes, No };

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // An empty title means the application title. A text laid out for the
    // eye can be given as sentences to be read by a screen reader.
    virtual MsgResult messageBox(const QString &text, MsgButtons buttons = MsgButtons::Ok,
                                 MsgIcon icon = MsgIcon::None, const QString &title = {},
                                 const QString &spokenText = {}) = 0;
    // Cancel gives the empty text.
    virtual QString inputBox(const QString &prompt, const QString &title,
                             const QString &defaultAnswer) = 0;
    virtual void beep() = 0;
};
