// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/parser.h"

#include "rtf/layout_bound.h"
#include "rtf/units.h"

#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace rtf {
namespace {

// What a document may cost. A unit is about a byte of memory or 12 ns of work in QTextDocument
// 6.4 (measured), whichever is more. A paragraph takes about 170 bytes and 2 us, a run of text
// in a format of its own about 2 us: text of a few megabytes of RTF fits whole in its share.
// Pictures have a share of their own, enough for a dozen full-screen screenshots; the total
// keeps any input to about two thirds of a second of work and 56 MB.
constexpr qint64 kTextBudget = 40'000'000;
constexpr qint64 kPictureBudget = 40'000'000;
constexpr qint64 kBudget = 56'000'000;
// Some 0.6 s of decoding PNG pictures.
constexpr qint64 kDecodingBudget = 50'000'000;
// Real documents nest a few dozen groups; deeper content is dropped.
constexpr std::size_t kMaxDepth = 1000;
constexpr int kMaxUnicodeSkip = 255;
constexpr int kMaxTwips = 31680;
constexpr int kDefaultTabTwips = 720;
constexpr qsizetype kMaxShapeProperty = 64;

int twips(const Token &token) {
    return std::clamp(token.parameter, 0, kMaxTwips);
}

void setDefaultTab(QTextDocument &document, int twips) {
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance(std::max(1, twipsToPixels(twips)));
    document.setDefaultTextOption(option);
}

// MACROBUTTON name text: a button that shows text; a template's placeholder is one.
QString macroButtonText(const QString &instruction) {
    static const QRegularExpression macroButton(QStringLiteral("^\\s*MACROBUTTON\\s+\\S+\\s*(.*)$"),
                                                QRegularExpression::CaseInsensitiveOption |
                                                    QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = macroButton.match(instruction);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

} // namespace

Parser::Parser(QTextDocument &document)
    : document_(document), budget_(kBudget, kTextBudget, kPictureBudget, kDecodingBudget),
      writer_(QTextCursor(&document), formatter_, budget_, QStringLiteral("rtf-picture:")) {}

void Parser::parse(QByteArrayView rtf) {
    // Outside an edit block the cursor lays out its paragraph after every insertion, which
    // makes a long paragraph of many runs cost the square of its length.
    QTextCursor editBlock(&document_);
    editBlock.beginEditBlock();
    setDefaultTab(document_, kDefaultTabTwips);
    Tokenizer tokens(rtf);
    // The document ends where its outermost group does.
    Token token = tokens.next();
    while (token.kind != TokenKind::End && !writer_.full() &&
           !(token.kind == TokenKind::GroupEnd && stack_.size() == 1 && ignoredDepth_ == 0)) {
        handle(token);
        token = tokens.next();
    }
    body_.flushBytes(state_);
    // A document cut short still shows its open pictures.
    ignoredDepth_ = 0;
    while (!stack_.empty())
        closeGroup();
    writeNoteMark();
    writer_.finish();
    notes_.finish();
    splitLongParagraphs(document_);
    editBlock.endEditBlock();
}

void Parser::handle(Token token) {
    // A character split over several \'hh must not be joined across anything else.
    if (token.kind != TokenKind::Text && token.kind != TokenKind::HexByte) {
        body_.flushBytes(state_);
        decoder_.reset();
    }
    if (noteMark_ && !keepsNoteMarkWaiting(token))
        writeNoteMark();
    const bool optionalDestination = std::exchange(optionalDestination_, false);
    if (token.kind == TokenKind::GroupStart || token.kind == TokenKind::GroupEnd) {
        fallbackLeft_ = 0;
        token.kind == TokenKind::GroupStart ? openGroup() : closeGroup();
        return;
    }
    if (ignoredDepth_ > 0 || state_.destination == Destination::Skipped || skipFallback(token))
        return;
    switch (token.kind) {
    case TokenKind::ControlWord:
        controlWord(token, optionalDestination);
        break;
    case TokenKind::ControlSymbol:
        if (token.symbol == '*')
            optionalDestination_ = true;
        else
            appendSymbol(token.symbol);
        break;
    case TokenKind::Text:
        appendText(token.text);
        break;
    case TokenKind::HexByte:
        appendEscapedByte(token.byte);
        break;
    case TokenKind::Binary:
        if (state_.destination == Destination::Picture)
            picture_.appendBinary(token.text);
        break;
    default:
        break;
    }
}

void Parser::openGroup() {
    if (ignoredDepth_ > 0 || stack_.size() >= kMaxDepth)
        ++ignoredDepth_;
    else
        stack_.push_back(state_);
}

void Parser::closeGroup() {
    if (ignoredDepth_ > 0) {
        --ignoredDepth_;
        return;
    }
    const GroupState &outer = stack_.back();
    if (state_.destination != outer.destination) {
        if (state_.destination == Destination::FontTable)
            fonts_.endTable();
        else if (state_.destination == Destination::Picture)
            finishPicture();
        else if (state_.destination == Destination::FieldInstruction)
            endFieldInstruction();
    }
    // A mark still waiting for its note's kind takes the note's number.
    if (state_.inNote && !outer.inNote) {
        writeNoteMark();
        notes_.end();
    }
    if (!fields_.empty() && fields_.back().depth == stack_.size())
        endField();
    state_ = stack_.back();
    stack_.pop_back();
}

// Every token counts as one byte of the stand-in text that follows \u; a group ends it.
bool Parser::skipFallback(Token &token) {
    if (fallbackLeft_ == 0)
        return false;
    if (token.kind != TokenKind::Text) {
        --fallbackLeft_;
        return true;
    }
    const qsizetype skipped = std::min<qsizetype>(fallbackLeft_, token.text.size());
    fallbackLeft_ -= skipped;
    token.text = token.text.sliced(skipped);
    return token.text.isEmpty();
}

void Parser::controlWord(const Token &token, bool optionalDestination) {
    const Keyword keyword = keywordFor(token.text);
    if (enterDestination(keyword))
        return;
    // \* marks a destination that readers which do not know it skip.
    if (optionalDestination) {
        state_.destination = Destination::Skipped;
        return;
    }
    if (applyDocumentWord(keyword, token) || applyUnicodeWord(keyword, token))
        return;
    switch (state_.destination) {
    case Destination::Body:
        if (keyword == Keyword::Field && (fields_.empty() || fields_.back().depth != stack_.size()))
            fields_.push_back({stack_.size(), {}, {}, -1});
        else if (keyword == Keyword::NoteMark && !state_.inNote)
            noteMark_ = state_;
        else if (keyword == Keyword::NoteMark)
            body_.appendText(state_, notes_.mark());
        else if (keyword == Keyword::Endnote && state_.inNote)
            notes_.makeEndnote();
        else
            body_.applyWord(state_, keyword, token);
        break;
    case Destination::ListLabel:
    case Destination::FieldInstruction:
        body_.applyWord(state_, keyword, token);
        break;
    case Destination::NestedTableProperties:
        // Its row definition is the inner table's; a nested table's row ends a line.
        if (keyword == Keyword::NestedRow)
            body_.applyWord(state_, keyword, token);
        break;
    case Destination::ShapePropertyName:
        break;
    case Destination::FontTable:
        fonts_.applyWord(keyword, token);
        break;
    case Destination::ColorTable:
        colors_.applyWord(keyword, token);
        break;
    case Destination::Picture:
        picture_.applyWord(keyword, token);
        break;
    case Destination::Skipped:
        break;
    }
}

bool Parser::enterDestination(Keyword keyword) {
    switch (keyword) {
    case Keyword::FontTable:
        state_.destination = Destination::FontTable;
        break;
    case Keyword::ColorTable:
        state_.destination = Destination::ColorTable;
        break;
    case Keyword::IgnoredDestination:
        state_.destination = Destination::Skipped;
        break;
    case Keyword::ListText:
        state_.destination = Destination::ListLabel;
        break;
    // A note inside a note is dropped.
    case Keyword::Footnote:
        if (state_.inNote) {
            state_.destination = Destination::Skipped;
            break;
        }
        // A note's paragraphs are its own, even when its mark is in a table.
        state_.inNote = true;
        state_.paragraph = {};
        notes_.begin();
        break;
    case Keyword::FieldInstruction:
        state_.destination = Destination::FieldInstruction;
        body_.takeInstruction();
        break;
    // A shape's properties steer; of their values only a picture's is shown. Its text and
    // whatever else it holds are read as body text.
    case Keyword::ShapeInstance:
        state_.inShape = true;
        shape_ = {};
        break;
    case Keyword::ShapeProperty:
    case Keyword::ShapeText:
        break;
    case Keyword::ShapePropertyName:
        state_.destination = Destination::ShapePropertyName;
        shapeProperty_.clear();
        break;
    case Keyword::ShapePropertyValue:
        if (shapeProperty_ != "pib")
            state_.destination = Destination::Skipped;
        break;
    case Keyword::NestedTableProperties:
        state_.destination = Destination::NestedTableProperties;
        break;
    case Keyword::Picture:
        state_.destination = Destination::Picture;
        picture_.start();
        break;
    // Its content is ordinary text holding a picture.
    case Keyword::ShapePicture:
        break;
    default:
        return false;
    }
    return true;
}

bool Parser::applyDocumentWord(Keyword keyword, const Token &token) {
    switch (keyword) {
    case Keyword::Ansi:
        codePage_ = kWesternCodePage;
        break;
    case Keyword::Mac:
        codePage_ = 10000;
        break;
    case Keyword::Pc:
        codePage_ = 437;
        break;
    case Keyword::Pca:
        codePage_ = 850;
        break;
    case Keyword::AnsiCodePage:
        codePage_ = token.parameter > 0 ? std::min(token.parameter, 65535) : kWesternCodePage;
        break;
    case Keyword::DefaultFont:
        fonts_.setDefaultFont(token.parameter);
        break;
    case Keyword::DefaultTab:
        setDefaultTab(document_, token.parameter > 0 ? twips(token) : kDefaultTabTwips);
        break;
    case Keyword::PaperWidth:
        page_.width = twips(token);
        break;
    case Keyword::MarginLeft:
        page_.leftMargin = twips(token);
        break;
    case Keyword::MarginRight:
        page_.rightMargin = twips(token);
        break;
    case Keyword::FootnoteNumbering:
    case Keyword::EndnoteNumbering:
        notes_.setNumbering(token.text);
        break;
    case Keyword::ShapeLeft:
        shape_.left = std::clamp(token.parameter, -kMaxTwips, kMaxTwips);
        break;
    case Keyword::ShapeRight:
        shape_.right = std::clamp(token.parameter, -kMaxTwips, kMaxTwips);
        break;
    case Keyword::ShapeTop:
        shape_.top = std::clamp(token.parameter, -kMaxTwips, kMaxTwips);
        break;
    case Keyword::ShapeBottom:
        shape_.bottom = std::clamp(token.parameter, -kMaxTwips, kMaxTwips);
        break;
    default:
        return false;
    }
    return true;
}

bool Parser::applyUnicodeWord(Keyword keyword, const Token &token) {
    switch (keyword) {
    case Keyword::UnicodeSkip:
        state_.unicodeSkip = std::clamp(token.parameter, 0, kMaxUnicodeSkip);
        break;
    case Keyword::UnicodeChar:
        appendUnicode(token.parameter);
        fallbackLeft_ = state_.unicodeSkip;
        break;
    default:
        return false;
    }
    return true;
}

// \u takes a signed 16-bit number: \u-3913 is U+F0B7.
void Parser::appendUnicode(int parameter) {
    const int unit = parameter < 0 ? parameter + 0x10000 : parameter;
    const QChar character =
        unit >= 0 && unit <= 0xffff ? QChar(char16_t(unit)) : QChar(QChar::ReplacementCharacter);
    if (readsText())
        body_.appendCharacter(state_, character);
    else if (state_.destination == Destination::FontTable)
        fonts_.appendCharacter(character);
}

void Parser::appendText(QByteArrayView bytes) {
    switch (state_.destination) {
    case Destination::Body:
    case Destination::ListLabel:
    case Destination::FieldInstruction:
        body_.appendBytes(state_, bytes);
        break;
    case Destination::ShapePropertyName:
        shapeProperty_.append(bytes.first(std::min(bytes.size(), kMaxShapeProperty)));
        shapeProperty_.truncate(kMaxShapeProperty);
        break;
    case Destination::NestedTableProperties:
        break;
    case Destination::FontTable:
        fonts_.appendText(bytes, codePage_);
        break;
    case Destination::ColorTable:
        colors_.appendText(bytes);
        break;
    case Destination::Picture:
        picture_.appendHex(bytes);
        break;
    case Destination::Skipped:
        break;
    }
}

// Unlike plain text, an escaped byte is never a separator.
void Parser::appendEscapedByte(uchar byte) {
    const QByteArrayView bytes(&byte, 1);
    if (readsText())
        body_.appendBytes(state_, bytes);
    else if (state_.destination == Destination::FontTable)
        fonts_.appendNameBytes(bytes, codePage_);
}

void Parser::appendSymbol(char symbol) {
    if (readsText())
        body_.appendSymbol(state_, symbol);
}

bool Parser::readsText() const {
    return state_.destination == Destination::Body ||
           state_.destination == Destination::ListLabel ||
           state_.destination == Destination::FieldInstruction;
}

// Between a body's \chftn and its note come only group ends and the words that open the note
// and say its kind.
bool Parser::keepsNoteMarkWaiting(const Token &token) const {
    if (token.kind == TokenKind::GroupStart || token.kind == TokenKind::GroupEnd)
        return true;
    if (token.kind == TokenKind::ControlSymbol)
        return token.symbol == '*';
    if (token.kind != TokenKind::ControlWord)
        return false;
    const Keyword keyword = keywordFor(token.text);
    return keyword == Keyword::Footnote || keyword == Keyword::Endnote;
}

void Parser::writeNoteMark() {
    if (const std::optional<GroupState> mark = std::exchange(noteMark_, std::nullopt))
        body_.appendText(*mark, notes_.mark());
}

void Parser::endFieldInstruction() {
    const QString instruction = body_.takeInstruction();
    if (fields_.empty())
        return;
    Field &field = fields_.back();
    field.placeholder = macroButtonText(instruction);
    field.placeholderState = state_;
    field.placeholderState.destination = Destination::Body;
    field.contentMark = body_.writer(state_).contentCount();
}

// A placeholder shows only when the field's result showed nothing.
void Parser::endField() {
    const Field field = std::move(fields_.back());
    fields_.pop_back();
    if (!field.placeholder.isEmpty() &&
        body_.writer(field.placeholderState).contentCount() == field.contentMark)
        body_.appendText(field.placeholderState, field.placeholder);
}

void Parser::finishPicture() {
    const QSize frame =
        state_.inShape ? QSize(shape_.right - shape_.left, shape_.bottom - shape_.top) : QSize();
    const int pageWidth = std::max(page_.width - page_.leftMargin - page_.rightMargin, 1440);
    picture_.finish(body_.writer(state_), state_, frame.expandedTo({0, 0}),
                    twipsToPixels(pageWidth));
}

} // namespace rtf
