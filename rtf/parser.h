#pragma once

#include "rtf/body_reader.h"
#include "rtf/char_formatter.h"
#include "rtf/code_pages.h"
#include "rtf/color_table.h"
#include "rtf/document_writer.h"
#include "rtf/font_table.h"
#include "rtf/group_state.h"
#include "rtf/picture_reader.h"

#include <vector>

class QTextDocument;

namespace rtf {

// Reads RTF into a document: groups, destinations and Unicode fallbacks here, the rest in the
// readers of each destination. Groups live on an explicit stack of bounded depth.
class Parser {
  public:
    explicit Parser(QTextDocument &document);
    void parse(QByteArrayView rtf);

  private:
    void handle(Token token);
    void openGroup();
    void closeGroup();
    bool skipFallback(Token &token);
    void controlWord(const Token &token, bool optionalDestination);
    bool enterDestination(Keyword keyword);
    bool applyDocumentWord(Keyword keyword, const Token &token);
    bool applyUnicodeWord(Keyword keyword, const Token &token);
    void appendUnicode(int parameter);
    void appendText(QByteArrayView bytes);
    void appendEscapedByte(uchar byte);
    void appendSymbol(char symbol);

    TextDecoder decoder_;
    FontTable fonts_{decoder_};
    ColorTable colors_;
    CharFormatter formatter_{fonts_, colors_};
    DocumentWriter writer_;
    int codePage_ = kWesternCodePage;
    BodyReader body_{writer_, decoder_, fonts_, codePage_};
    PictureReader picture_;

    GroupState state_;
    std::vector<GroupState> stack_;
    int ignoredDepth_ = 0;             // groups nested beyond the stack's bound
    int fallbackLeft_ = 0;             // of the last \u
    bool optionalDestination_ = false; // after \*
};

} // namespace rtf
