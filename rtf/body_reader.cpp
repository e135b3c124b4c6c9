// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/body_reader.h"

#include "rtf/special_characters.h"

namespace rtf {
namespace {

constexpr qsizetype kMaxPendingBytes = 16 * 1024;
constexpr qsizetype kMaxInstruction = 1024;

quint8 paragraphSides(Keyword keyword) {
    switch (keyword) {
    case Keyword::BorderTop:
        return kTopSide;
    case Keyword::BorderBottom:
        return kBottomSide;
    case Keyword::BorderLeft:
        return kLeftSide;
    case Keyword::BorderRight:
        return kRightSide;
    case Keyword::BorderBox:
        return kAllSides;
    default:
        return 0;
    }
}

} // namespace

void BodyReader::applyWord(GroupState &state, Keyword keyword, const Token &token) {
    if (keyword == Keyword::ParagraphDefault)
        paragraphSides_ = 0;
    if (applyCharacterWord(state.character, keyword, token) ||
        applyParagraphWord(state.paragraph, keyword, token))
        return;
    if (const auto character = characterForWord(keyword)) {
        appendCharacter(state, *character);
        return;
    }
    applyBorderWord(state, keyword, token);
    // An instruction holds no structure. Some writers put a whole list item, its end
    // included, in its label, which then becomes the item's text.
    if (state.destination == Destination::FieldInstruction)
        return;
    TableRecorder &table = writer(state).table();
    if (table.applyWord(keyword, token))
        return;
    switch (keyword) {
    case Keyword::Paragraph:
    case Keyword::Section:
        writer(state).endParagraph(state);
        break;
    case Keyword::Page:
        writer(state).endPage(state);
        break;
    case Keyword::Cell:
        writer(state).endCell(state);
        break;
    case Keyword::Row:
        writer(state).endRow(state);
        break;
    case Keyword::RowDefaults:
        table.clearRowDefinition();
        break;
    case Keyword::CellRightEdge:
        table.addCellEdge(token.parameter);
        break;
    default:
        break;
    }
}

// A side's word starts its description; the words that follow describe its line.
void BodyReader::applyBorderWord(GroupState &state, Keyword keyword, const Token &token) {
    if (const quint8 sides = paragraphSides(keyword)) {
        paragraphSides_ = sides;
        tableBorder_ = nullptr;
        state.paragraph.borders &= ~sides;
        return;
    }
    if (Border *border = writer(state).table().border(keyword)) {
        paragraphSides_ = 0;
        tableBorder_ = border;
        return;
    }
    if (keyword == Keyword::BorderBetween || keyword == Keyword::RowDefaults) {
        paragraphSides_ = 0;
        tableBorder_ = nullptr;
        return;
    }
    if (tableBorder_) {
        rtf::applyBorderWord(*tableBorder_, keyword, token);
    } else if (keyword == Keyword::BorderStyle) {
        state.paragraph.borders |= paragraphSides_;
    } else if (keyword == Keyword::BorderNone) {
        state.paragraph.borders &= ~paragraphSides_;
    }
}

void BodyReader::appendSymbol(const GroupState &state, char symbol) {
    // A backslash before a line break is an old way of writing \par.
    if (symbol == '\n' || symbol == '\r') {
        if (state.destination == Destination::Body)
            writer(state).endParagraph(state);
    } else if (const auto character = characterForSymbol(symbol)) {
        appendCharacter(state, *character);
    }
}

void BodyReader::appendBytes(const GroupState &state, QByteArrayView bytes) {
    if (state.character.hidden)
        return;
    bytes_.append(bytes);
    if (bytes_.size() >= kMaxPendingBytes)
        flushBytes(state);
}

void BodyReader::flushBytes(const GroupState &state) {
    if (bytes_.isEmpty())
        return;
    const FontEntry *font = fonts_.entry(state.character.font);
    const int codePage = font && font->codePage ? font->codePage : documentCodePage_;
    appendText(state, decoder_.decode(bytes_, codePage));
    bytes_.clear();
}

void BodyReader::appendCharacter(const GroupState &state, QChar character) {
    if (!state.character.hidden)
        appendText(state, QStringView(&character, 1));
}

void BodyReader::appendText(const GroupState &state, QStringView text) {
    switch (state.destination) {
    case Destination::ListLabel:
        writer(state).appendLabel(text, state);
        break;
    case Destination::FieldInstruction:
        instruction_ += text.first(std::min(text.size(), kMaxInstruction - instruction_.size()));
        break;
    default:
        writer(state).appendText(text, state);
        break;
    }
}

} // namespace rtf
