// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "rtf/code_pages.h"
#include "rtf/keywords.h"
#include "rtf/tokenizer.h"

#include <QFont>
#include <QHash>

#include <optional>

namespace rtf {

struct FontEntry {
    QString family;
    QFont::StyleHint hint = QFont::AnyStyle;
    int codePage = 0; // 0: the document's
};

// The document's fonts by number.
class FontTable {
  public:
    explicit FontTable(TextDecoder &decoder) : decoder_(decoder) {}

    // Reading \fonttbl: \fN opens an entry, ';' or the end of the table closes it. Names are
    // decoded in the entry's own code page, else the document's.
    void applyWord(Keyword keyword, const Token &token);
    void appendText(QByteArrayView bytes, int documentCodePage);
    // Part of a name, even a ';'.
    void appendNameBytes(QByteArrayView bytes, int documentCodePage);
    void appendCharacter(QChar character);
    void endTable();

    void setDefaultFont(int number) {
        defaultFont_ = number;
        ++revision_;
    }
    // The entry for a number, kDocumentDefaultFont included; null when there is none.
    const FontEntry *entry(int number) const;
    // Changes whenever an entry does.
    int revision() const { return revision_; }

  private:
    void closeEntry();

    TextDecoder &decoder_;
    QHash<int, FontEntry> fonts_;
    int defaultFont_ = 0;
    int revision_ = 0;
    std::optional<int> pendingNumber_;
    FontEntry pending_;
};

} // namespace rtf
