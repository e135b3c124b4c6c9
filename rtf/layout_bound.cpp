// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/layout_bound.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace rtf {
namespace {

QTextFormat::PageBreakFlags without(QTextFormat::PageBreakFlags policy,
                                    QTextFormat::PageBreakFlag flag) {
    return policy & ~QTextFormat::PageBreakFlags(flag);
}

// How far back to look for a line break that a paragraph's end can take the place of.
constexpr int kLineSearch = 1000;

struct SplitPoint {
    int position;
    bool atLineBreak; // the paragraph's end replaces the line break there
};

// Ascending, each at most kMaxParagraph after the one before: at a line break where there is
// one, which then looks the same, else after a blank or a break opportunity.
std::vector<SplitPoint> splitPoints(const QTextDocument &document, int start, int end) {
    std::vector<SplitPoint> points;
    while (end - start > kMaxParagraph) {
        const int limit = start + kMaxParagraph;
        int line = limit;
        while (line > limit - kLineSearch && document.characterAt(line) != QChar::LineSeparator)
            --line;
        if (line > limit - kLineSearch) {
            points.push_back({line, true});
            start = line + 1;
            continue;
        }
        int point = limit;
        while (point > limit - kMaxUnbroken && !allowsBreakAfter(document.characterAt(point - 1)))
            --point;
        if (point == limit - kMaxUnbroken) {
            point = limit;
            if (document.characterAt(point).isLowSurrogate())
                --point;
        }
        points.push_back({point, false});
        start = point;
    }
    return points;
}

void split(QTextDocument &document, const QTextBlock &block) {
    const int start = block.position();
    const std::vector<SplitPoint> points = splitPoints(document, start, start + block.length() - 1);
    const QTextBlockFormat format = block.blockFormat();
    const QTextCharFormat mark = block.charFormat();
    QTextBlockFormat last = format;
    last.setTopMargin(0);
    last.setTextIndent(0);
    last.setPageBreakPolicy(without(format.pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore));
    QTextBlockFormat middle = last;
    middle.setBottomMargin(0);
    middle.setPageBreakPolicy(without(last.pageBreakPolicy(), QTextFormat::PageBreak_AlwaysAfter));
    QTextBlockFormat first = format;
    first.setBottomMargin(0);
    first.setPageBreakPolicy(without(format.pageBreakPolicy(), QTextFormat::PageBreak_AlwaysAfter));

    // From the end, so that the positions before stay where they were.
    QTextCursor cursor(&document);
    for (auto point = points.rbegin(); point != points.rend(); ++point) {
        cursor.setPosition(point->position);
        if (point->atLineBreak)
            cursor.deleteChar();
        cursor.insertBlock(point == points.rbegin() ? last : middle, mark);
    }
    cursor.setPosition(start);
    cursor.setBlockFormat(first);
}

} // namespace

bool allowsBreakAfter(QChar c) {
    return c == kBreakOpportunity ||
           (c.isSpace() && c != QChar::Nbsp && c != u'\u2007' && c != u'\u202f');
}

void splitLongParagraphs(QTextDocument &document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.length() - 1 > kMaxParagraph)
            split(document, block);
    }
}

} // namespace rtf
