// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "rtf/body_reader.h"
#include "rtf/char_formatter.h"
#include "rtf/code_pages.h"
#include "rtf/color_table.h"
#include "rtf/document_writer.h"
#include "rtf/font_table.h"
#include "rtf/group_state.h"
#include "rtf/notes.h"
#include "rtf/output_budget.h"
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
    bool readsText() const;
    bool keepsNoteMarkWaiting(const Token &token) const;
    void writeNoteMark();
    void endFieldInstruction();
    void endField();
    void finishPicture();

    // A field whose result may be empty: a template's placeholder shows its instruction's text.
    struct Field {
        std::size_t depth; // of its group on the stack
        QString placeholder;
        GroupState placeholderState;
        int contentMark = -1; // the writer's content count after the instruction
    };
    // Page measures in twips, for the width of the widest picture.
    struct Page {
        int width = 12240;
        int leftMargin = 1800;
        int rightMargin = 1800;
    };
    struct Shape {
        int left = 0;
        int right = 0;
        int top = 0;
        int bottom = 0;
    };

    QTextDocument &document_;
    TextDecoder decoder_;
    FontTable fonts_{decoder_};
    ColorTable colors_;
    CharFormatter formatter_{fonts_, colors_};
    OutputBudget budget_;
    DocumentWriter writer_;
    Notes notes_{writer_, formatter_, budget_};
    int codePage_ = kWesternCodePage;
    BodyReader body_{writer_, notes_, decoder_, fonts_, codePage_};
    PictureReader picture_;
    std::vector<Field> fields_;
    std::optional<GroupState> noteMark_; // a body's \chftn, until its note says its kind
    QByteArray shapeProperty_;
    Shape shape_;
    Page page_;

    GroupState state_;
    std::vector<GroupState> stack_;
    int ignoredDepth_ = 0;             // groups nested beyond the stack's bound
    int fallbackLeft_ = 0;             // of the last \u
    bool optionalDestination_ = false; // after \*
};

} // namespace rtf
