// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QByteArrayView>

namespace rtf {

enum class TokenKind {
    End,
    GroupStart,
    GroupEnd,
    ControlWord,
    ControlSymbol,
    HexByte,
    Text,
    Binary
};

struct Token {
    TokenKind kind = TokenKind::End;
    QByteArrayView text; // control word name, text run or binary payload
    int parameter = 0;
    bool hasParameter = false;
    char symbol = 0; // ControlSymbol
    uchar byte = 0;  // HexByte
};

// The value of a hex digit, or -1 for any other character.
int hexDigitValue(char c);

// Splits RTF into tokens. Never reads past the input; numbers are clamped to int, and a
// \bin payload is cut at the end of the input.
class Tokenizer {
  public:
    explicit Tokenizer(QByteArrayView input) : input_(input) {}
    Token next();

  private:
    Token afterBackslash();
    Token controlWord();
    int parameter(bool &present);
    Token text();
    bool atEnd() const { return pos_ >= input_.size(); }
    char peek() const { return input_[pos_]; }

    QByteArrayView input_;
    qsizetype pos_ = 0;
};

} // namespace rtf
