#pragma once

#include "rtf/code_pages.h"
#include "rtf/document_writer.h"
#include "rtf/font_table.h"
#include "rtf/group_state.h"

namespace rtf {

// The document's visible text: formatting, characters, paragraphs and tables.
class BodyReader {
  public:
    BodyReader(DocumentWriter &writer, TextDecoder &decoder, const FontTable &fonts,
               const int &documentCodePage)
        : writer_(writer), decoder_(decoder), fonts_(fonts), documentCodePage_(documentCodePage) {}

    void applyWord(GroupState &state, Keyword keyword, const Token &token);
    void appendSymbol(const GroupState &state, char symbol);
    // Bytes in the code page of the current font, else the document's. They are decoded
    // together up to the next flushBytes(), which must come before the state changes.
    void appendBytes(const GroupState &state, QByteArrayView bytes);
    void flushBytes(const GroupState &state);
    void appendCharacter(const GroupState &state, QChar character);

  private:
    DocumentWriter &writer_;
    TextDecoder &decoder_;
    const FontTable &fonts_;
    const int &documentCodePage_;
    QByteArray bytes_;
};

} // namespace rtf
