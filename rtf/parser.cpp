#include "rtf/parser.h"

#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace rtf {
namespace {

// Real documents nest a few dozen groups; deeper content is dropped.
constexpr std::size_t kMaxDepth = 1000;
constexpr int kMaxUnicodeSkip = 255;

} // namespace

Parser::Parser(QTextDocument &document) : writer_(document, formatter_) {}

void Parser::parse(QByteArrayView rtf) {
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
    writer_.finish();
}

void Parser::handle(Token token) {
    // A character split over several \'hh must not be joined across anything else.
    if (token.kind != TokenKind::Text && token.kind != TokenKind::HexByte) {
        body_.flushBytes(state_);
        decoder_.reset();
    }
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
    if (state_.destination != stack_.back().destination) {
        if (state_.destination == Destination::FontTable)
            fonts_.endTable();
        else if (state_.destination == Destination::Picture)
            picture_.finish(writer_, state_);
    }
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
        body_.applyWord(state_, keyword, token);
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
    if (state_.destination == Destination::Body)
        body_.appendCharacter(state_, character);
    else if (state_.destination == Destination::FontTable)
        fonts_.appendCharacter(character);
}

void Parser::appendText(QByteArrayView bytes) {
    switch (state_.destination) {
    case Destination::Body:
        body_.appendBytes(state_, bytes);
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
    if (state_.destination == Destination::Body)
        body_.appendBytes(state_, bytes);
    else if (state_.destination == Destination::FontTable)
        fonts_.appendNameBytes(bytes, codePage_);
}

void Parser::appendSymbol(char symbol) {
    if (state_.destination == Destination::Body)
        body_.appendSymbol(state_, symbol);
}

} // namespace rtf
