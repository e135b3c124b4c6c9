// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/answer_keys.h"

namespace {
constexpr int deleteCharacter = 0x7f;
}

std::optional<int> characterCodeOf(int key, Qt::KeyboardModifiers modifiers, const QString &text) {
    const bool control = modifiers & Qt::ControlModifier;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return keyEnter;
    if (key == Qt::Key_Backspace)
        return control ? std::nullopt : std::optional(keyBackspace);
    if (control)
        return key >= Qt::Key_A && key <= Qt::Key_Z ? std::optional(key - Qt::Key_A + 1)
                                                    : std::nullopt;
    if (text.isEmpty() || text[0].unicode() == deleteCharacter)
        return std::nullopt;
    return text[0].unicode();
}

KeyOutcome answerKeyOutcome(int keyAscii, bool locked) {
    if (locked)
        return KeyOutcome::Refuse;
    if (keyAscii == keyEnter)
        return KeyOutcome::Submit;
    if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == keyBackspace)
        return KeyOutcome::LetThrough;
    return KeyOutcome::Refuse;
}
