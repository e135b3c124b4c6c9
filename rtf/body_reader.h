// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "rtf/code_pages.h"
#include "rtf/document_writer.h"
#include "rtf/font_table.h"
#include "rtf/group_state.h"
#include "rtf/notes.h"

namespace rtf {

// The document's visible text: formatting, characters, paragraphs and tables, in the body or
// in a note. A list label and a field's instruction are read the same way and kept aside.
class BodyReader {
  public:
    BodyReader(DocumentWriter &writer, Notes &notes, TextDecoder &decoder, const FontTable &fonts,
               const int &documentCodePage)
        : writer_(writer), notes_(notes), decoder_(decoder), fonts_(fonts),
          documentCodePage_(documentCodePage) {}

    void applyWord(GroupState &state, Keyword keyword, const Token &token);
    void appendSymbol(const GroupState &state, char symbol);
    // Bytes in the code page of the current font, else the document's. They are decoded
    // together up to the next flushBytes(), which must come before the state changes.
    void appendBytes(const GroupState &state, QByteArrayView bytes);
    void flushBytes(const GroupState &state);
    void appendCharacter(const GroupState &state, QChar character);
    void appendText(const GroupState &state, QStringView text);
    // The field instruction text read since the last call.
    QString takeInstruction() { return std::exchange(instruction_, {}); }
    DocumentWriter &writer(const GroupState &state) {
        return state.inNote ? notes_.writer() : writer_;
    }

  private:
    void applyBorderWord(GroupState &state, Keyword keyword, const Token &token);

    DocumentWriter &writer_;
    Notes &notes_;
    TextDecoder &decoder_;
    const FontTable &fonts_;
    const int &documentCodePage_;
    QByteArray bytes_;
    QString instruction_;
    // What the border words that follow a side's word describe.
    quint8 paragraphSides_ = 0;
    Border *tableBorder_ = nullptr;
};

} // namespace rtf
