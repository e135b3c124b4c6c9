// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/dialogs.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// Answers every dialog from a script and records what was asked.
class FakeDialogs : public Dialogs {
  public:
    struct Message {
        QString text;
        MsgButtons buttons;
        MsgIcon icon;
        QString title;
        QString spokenText;
    };
    struct Prompt {
        QString prompt;
        QString title;
        QString defaultAnswer;
    };

    MsgResult messageBox(const QString &text, MsgButtons buttons, MsgIcon icon,
                         const QString &title, const QString &spokenText = {}) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultAnswer) override;
    void beep() override { ++beeps; }

    // Script: what the user answers, in order. An exhausted script is a test fault.
    std::deque<QString> inputAnswers;
    std::deque<MsgResult> messageAnswers; // empty: Ok, or Yes for Yes/No boxes
    // Runs while a message box is up, as the user's time at the box.
    std::function<void(const Message &)> whileMessageShown;

    std::vector<Message> messages;
    std::vector<Prompt> prompts;
    int beeps = 0;
};
