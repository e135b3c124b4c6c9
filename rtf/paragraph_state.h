// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "rtf/color_table.h"
#include "rtf/keywords.h"
#include "rtf/tokenizer.h"

#include <QTextBlockFormat>

namespace rtf {

enum class Alignment : quint8 { Left, Center, Right, Justify };

// Paragraph formatting in force; measures in twips.
struct ParagraphState {
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    Alignment alignment = Alignment::Left;
    // Unset, a paragraph takes the direction of its first letter.
    Qt::LayoutDirection direction = Qt::LayoutDirectionAuto;
    bool inTable = false;
    quint8 borders = 0; // BorderSide bits of the sides with a line
    Shading shading;

    bool operator==(const ParagraphState &) const = default;
};

// Applies a paragraph formatting word; false when the word is not one.
bool applyParagraphWord(ParagraphState &state, Keyword keyword, const Token &token);

QTextBlockFormat blockFormat(const ParagraphState &state, const ColorTable &colors,
                             int defaultTabTwips);

} // namespace rtf
