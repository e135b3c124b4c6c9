// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/paragraph_state.h"

#include "rtf/units.h"

#include <algorithm>

namespace rtf {
namespace {

constexpr int kMaxTwips = 31680; // 22 inches, the widest page a word processor offers
constexpr qsizetype kDefaultStopsAfterIndent = 8;

int indent(const Token &token) {
    return std::clamp(token.parameter, -kMaxTwips, kMaxTwips);
}
int spacing(const Token &token) {
    return std::clamp(token.parameter, 0, kMaxTwips);
}

Qt::Alignment qtAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Center:
        return Qt::AlignHCenter;
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Justify:
        return Qt::AlignJustify;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

bool applyParagraphWord(ParagraphState &state, Keyword keyword, const Token &token) {
    if (applyShadingWord(state.shading, Keyword::ParagraphShadingBack,
                         Keyword::ParagraphShadingPattern, Keyword::ParagraphShading, keyword,
                         token))
        return true;
    switch (keyword) {
    case Keyword::ParagraphDefault:
        state = ParagraphState{};
        break;
    case Keyword::AlignLeft:
        state.alignment = Alignment::Left;
        break;
    case Keyword::AlignCenter:
        state.alignment = Alignment::Center;
        break;
    case Keyword::AlignRight:
        state.alignment = Alignment::Right;
        break;
    case Keyword::AlignJustify:
        state.alignment = Alignment::Justify;
        break;
    case Keyword::RightToLeftParagraph:
        state.direction = Qt::RightToLeft;
        break;
    case Keyword::LeftToRightParagraph:
        state.direction = Qt::LeftToRight;
        break;
    case Keyword::LeftIndent:
        state.leftIndent = indent(token);
        break;
    case Keyword::RightIndent:
        state.rightIndent = indent(token);
        break;
    case Keyword::FirstIndent:
        state.firstIndent = indent(token);
        break;
    case Keyword::SpaceBefore:
        state.spaceBefore = spacing(token);
        break;
    case Keyword::SpaceAfter:
        state.spaceAfter = spacing(token);
        break;
    case Keyword::InTable:
        state.inTable = true;
        break;
    default:
        return false;
    }
    return true;
}

QTextBlockFormat blockFormat(const ParagraphState &state, const ColorTable &colors,
                             int defaultTabTwips) {
    QTextBlockFormat format;
    format.setAlignment(qtAlignment(state.alignment));
    if (state.direction != Qt::LayoutDirectionAuto)
        format.setLayoutDirection(state.direction);
    format.setLeftMargin(twipsToPixels(state.leftIndent));
    format.setRightMargin(twipsToPixels(state.rightIndent));
    // A first line hangs no further out than the paragraph's own indent on the side it starts
    // from, the right in a right-to-left paragraph: the view has no page margin to hang into.
    const int startIndent =
        std::max(state.direction == Qt::RightToLeft ? state.rightIndent : state.leftIndent, 0);
    const int firstIndent = std::max(state.firstIndent, -startIndent);
    format.setTextIndent(twipsToPixels(firstIndent));
    format.setTopMargin(twipsToPixels(state.spaceBefore));
    format.setBottomMargin(twipsToPixels(state.spaceAfter));
    if (const auto color = colors.color(state.shading))
        format.setBackground(*color);
    // Word processors stop a tab at a hanging indent, where a list item's text begins, and a
    // label wider than that at the next default stop, counted from the margin. Qt measures tab
    // stops from the start of the first line.
    if (firstIndent < 0) {
        const int lineStart = startIndent + firstIndent;
        // In a right-to-left paragraph the text after a stop starts at its right.
        const QTextOption::TabType startTab =
            state.direction == Qt::RightToLeft ? QTextOption::RightTab : QTextOption::LeftTab;
        QList<QTextOption::Tab> tabs{QTextOption::Tab(twipsToPixels(-firstIndent), startTab)};
        const int step = std::max(defaultTabTwips, 1);
        for (int stop = (startIndent / step + 1) * step; tabs.size() < kDefaultStopsAfterIndent;
             stop += step)
            tabs.append(QTextOption::Tab(twipsToPixels(stop - lineStart), startTab));
        format.setTabPositions(tabs);
    }
    return format;
}

} // namespace rtf
