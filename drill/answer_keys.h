// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>
#include <Qt>

#include <optional>

inline constexpr int keyBackspace = 8;
inline constexpr int keyEnter = 13;

// The character a key press produces, as the answer box's key handler sees it:
// Enter (either one) is 13, Backspace 8, Ctrl with a letter its control
// character. Keys that produce none (arrows, Delete, Home, function keys)
// give nothing and edit the box as usual.
std::optional<int> characterCodeOf(int key, Qt::KeyboardModifiers modifiers, const QString &text);

enum class KeyOutcome {
    LetThrough, // into the box
    Submit,     // Enter: mark the answer unless the box is blank
    Refuse,     // beep and discard
};

// What the answer box does with a character key.
KeyOutcome answerKeyOutcome(int keyAscii, bool locked);
