// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "rtf/keywords.h"
#include "rtf/tokenizer.h"

#include <QTextFrameFormat>

namespace rtf {

enum BorderSide : quint8 { kTopSide = 1, kBottomSide = 2, kLeftSide = 4, kRightSide = 8 };
constexpr quint8 kAllSides = kTopSide | kBottomSide | kLeftSide | kRightSide;

// One side's line; measures in twips.
struct Border {
    QTextFrameFormat::BorderStyle style = QTextFrameFormat::BorderStyle_None;
    int width = 0;
    int color = -1;

    bool visible() const { return style != QTextFrameFormat::BorderStyle_None; }
    bool operator==(const Border &) const = default;
};

// Applies a word that describes a line (\brdrs, \brdrw10, ...); false when the word is not one.
bool applyBorderWord(Border &border, Keyword keyword, const Token &token);

} // namespace rtf
