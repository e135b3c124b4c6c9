// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "fake_dialogs.h"

#include <stdexcept>

MsgResult FakeDialogs::messageBox(const QString &text, MsgButtons buttons, MsgIcon icon,
                                  const QString &title, const QString &spokenText) {
    messages.push_back({text, buttons, icon, title, spokenText});
    if (whileMessageShown)
        whileMessageShown(messages.back());
    if (!messageAnswers.empty()) {
        const MsgResult answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
}

QString FakeDialogs::inputBox(const QString &prompt, const QString &title,
                              const QString &defaultAnswer) {
    prompts.push_back({prompt, title, defaultAnswer});
    if (inputAnswers.empty())
        throw std::logic_error("the input prompt was shown more often than the test expected");
    const QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}
