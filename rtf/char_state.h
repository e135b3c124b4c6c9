// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "rtf/color_table.h"
#include "rtf/keywords.h"
#include "rtf/tokenizer.h"

namespace rtf {

constexpr int kDocumentDefaultFont = -1; // the font named by \deff
constexpr int kDefaultHalfPoints = 24;

enum class UnderlineStyle : quint8 { None, Single, Dotted, Dashed, Wave };
enum class ScriptPosition : quint8 { Normal, Super, Sub };

// Character formatting in force, as indices into the font and colour tables.
struct CharState {
    int font = kDocumentDefaultFont;
    int halfPoints = kDefaultHalfPoints;
    int foreground = kNoColor;
    int background = kNoColor;
    int highlight = kNoColor;
    Shading shading;
    int raise = 0; // half-points; below the baseline when negative
    UnderlineStyle underline = UnderlineStyle::None;
    ScriptPosition script = ScriptPosition::Normal;
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    bool caps = false;
    bool smallCaps = false;

    bool operator==(const CharState &) const = default;
};

// Applies a character formatting word; false when the word is not one.
bool applyCharacterWord(CharState &state, Keyword keyword, const Token &token);

} // namespace rtf
