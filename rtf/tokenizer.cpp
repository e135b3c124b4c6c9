// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/tokenizer.h"

#include <algorithm>
#include <limits>

namespace rtf {
namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Text comes in pieces of bounded size, so that no decoded copy of a long run is ever held.
constexpr qsizetype kMaxTextToken = 4096;

// Line breaks in RTF source carry no meaning.
bool endsText(char c) {
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}

Token tokenOf(TokenKind kind) {
    Token token;
    token.kind = kind;
    return token;
}

} // namespace

int hexDigitValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

Token Tokenizer::next() {
    while (!atEnd()) {
        const char c = input_[pos_];
        if (c == '{') {
            ++pos_;
            return tokenOf(TokenKind::GroupStart);
        }
        if (c == '}') {
            ++pos_;
            return tokenOf(TokenKind::GroupEnd);
        }
        if (c == '\r' || c == '\n') {
            ++pos_;
            continue;
        }
        if (c != '\\')
            return text();
        ++pos_;
        const Token token = afterBackslash();
        if (token.kind != TokenKind::End)
            return token;
    }
    return {};
}

// Returns End for a malformed escape, which the caller skips.
Token Tokenizer::afterBackslash() {
    if (atEnd())
        return {};
    const char c = peek();
    if (isLetter(c))
        return controlWord();
    ++pos_;
    Token token = tokenOf(TokenKind::ControlSymbol);
    token.symbol = c;
    if (c != '\'')
        return token;
    const int high = atEnd() ? -1 : hexDigitValue(peek());
    if (high < 0)
        return {};
    ++pos_;
    const int low = atEnd() ? -1 : hexDigitValue(peek());
    if (low < 0)
        return {};
    ++pos_;
    token.kind = TokenKind::HexByte;
    token.byte = static_cast<uchar>(high * 16 + low);
    return token;
}

Token Tokenizer::controlWord() {
    const qsizetype start = pos_;
    while (!atEnd() && isLetter(peek()))
        ++pos_;
    Token token = tokenOf(TokenKind::ControlWord);
    token.text = input_.sliced(start, pos_ - start);
    token.parameter = parameter(token.hasParameter);
    if (!atEnd() && peek() == ' ')
        ++pos_;
    if (token.text == "bin") {
        const qsizetype length =
            std::min<qsizetype>(std::max(token.parameter, 0), input_.size() - pos_);
        token.kind = TokenKind::Binary;
        token.text = input_.sliced(pos_, length);
        pos_ += length;
    }
    return token;
}

int Tokenizer::parameter(bool &present) {
    const bool negative =
        !atEnd() && peek() == '-' && pos_ + 1 < input_.size() && isDigit(input_[pos_ + 1]);
    if (negative)
        ++pos_;
    present = !atEnd() && isDigit(peek());
    // Saturate rather than overflow; the digits beyond int's range are still consumed.
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    while (!atEnd() && isDigit(peek())) {
        value = std::min(value * 10 + (peek() - '0'), limit);
        ++pos_;
    }
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}

Token Tokenizer::text() {
    const qsizetype start = pos_;
    while (!atEnd() && !endsText(peek()) && pos_ - start < kMaxTextToken)
        ++pos_;
    Token token = tokenOf(TokenKind::Text);
    token.text = input_.sliced(start, pos_ - start);
    return token;
}

} // namespace rtf
