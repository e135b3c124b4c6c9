// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/special_characters.h"

namespace rtf {

std::optional<QChar> characterForWord(Keyword keyword) {
    switch (keyword) {
    case Keyword::Tab:
        return QChar(u'\t');
    // Tables inside tables are flattened into their outer cell.
    case Keyword::NestedCell:
        return QChar(u'\t');
    case Keyword::Line:
        return QChar(QChar::LineSeparator);
    case Keyword::NestedRow:
        return QChar(QChar::LineSeparator);
    case Keyword::Bullet:
        return QChar(0x2022);
    case Keyword::EnDash:
        return QChar(0x2013);
    case Keyword::EmDash:
        return QChar(0x2014);
    case Keyword::LeftQuote:
        return QChar(0x2018);
    case Keyword::RightQuote:
        return QChar(0x2019);
    case Keyword::LeftDoubleQuote:
        return QChar(0x201c);
    case Keyword::RightDoubleQuote:
        return QChar(0x201d);
    case Keyword::EnSpace:
        return QChar(0x2002);
    case Keyword::EmSpace:
        return QChar(0x2003);
    default:
        return std::nullopt;
    }
}

std::optional<QChar> characterForSymbol(char symbol) {
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        return QChar(symbol);
    case '~':
        return QChar(QChar::Nbsp);
    case '_':
        return QChar(0x2011); // non-breaking hyphen
    case '-':
        return QChar(QChar::SoftHyphen);
    default:
        return std::nullopt;
    }
}

} // namespace rtf
