// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QChar>

class QTextDocument;

namespace rtf {

// Qt lays out a paragraph whole, and a word wider than a line in time that grows with the
// square of its length, so what a document may ask of the view is bounded here: no more than
// kMaxUnbroken characters without a place where a line may break, and no paragraph longer
// than kMaxParagraph. Real documents come nowhere near either.
constexpr qsizetype kMaxUnbroken = 500;
constexpr int kMaxParagraph = 4000;

// Where the writer would put a line break of its own, U+200B, which shows nothing.
constexpr QChar kBreakOpportunity(0x200b);

bool allowsBreakAfter(QChar c);

// Splits each paragraph longer than kMaxParagraph into paragraphs that read as one: the
// later ones without its first-line indent or space above, the earlier ones without its
// space below. A split takes the place of a line break where there is one, else falls after a
// blank or a break opportunity.
void splitLongParagraphs(QTextDocument &document);

} // namespace rtf
