// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "rtf/document_writer.h"

#include <array>
#include <optional>

namespace rtf {

// Footnotes and endnotes, gathered after the body as notes that each begin with their mark.
// The body's writer goes on writing before them.
class Notes {
  public:
    Notes(DocumentWriter &body, const CharFormatter &formatter, OutputBudget &budget)
        : body_(body), formatter_(formatter), budget_(budget) {}

    // \ftnnar, \aftnnrlc, ...: how marks are numbered.
    void setNumbering(QByteArrayView word);
    // A note's group opened; until its first mark is asked for it may still become an endnote.
    void begin() { open_ = Open{}; }
    void makeEndnote();
    void end();
    // The open note's mark, or outside a note the next footnote's.
    QString mark();
    DocumentWriter &writer();
    void finish();

  private:
    enum class Numbering : quint8 {
        Arabic,
        LowerLetter,
        UpperLetter,
        LowerRoman,
        UpperRoman,
        Symbol
    };
    struct Open {
        bool endnote = false;
        std::optional<QString> mark;
    };

    static QString number(int n, Numbering numbering);

    DocumentWriter &body_;
    const CharFormatter &formatter_;
    OutputBudget &budget_;
    std::optional<DocumentWriter> writer_;
    std::optional<Open> open_;
    std::array<int, 2> counts_{}; // footnotes, endnotes
    std::array<Numbering, 2> numbering_{Numbering::Arabic, Numbering::LowerRoman};
};

} // namespace rtf
