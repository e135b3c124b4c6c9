// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/font_table.h"

#include "rtf/char_state.h"

#include <algorithm>

namespace rtf {
namespace {

// Far beyond any real document; they keep a table of millions of entries, or a name that never
// ends, out of memory.
constexpr qsizetype kMaxFonts = 16384;
constexpr qsizetype kMaxNameLength = 256;

} // namespace

void FontTable::applyWord(Keyword keyword, const Token &token) {
    switch (keyword) {
    case Keyword::Font:
        closeEntry();
        pendingNumber_ = token.parameter;
        break;
    case Keyword::FontCharset:
        pending_.codePage = codePageForCharset(token.parameter);
        break;
    case Keyword::FontCodePage:
        pending_.codePage = std::clamp(token.parameter, 0, 65535);
        break;
    case Keyword::FamilyRoman:
        pending_.hint = QFont::Serif;
        break;
    case Keyword::FamilySwiss:
        pending_.hint = QFont::SansSerif;
        break;
    case Keyword::FamilyModern:
        pending_.hint = QFont::TypeWriter;
        break;
    case Keyword::FamilyScript:
        pending_.hint = QFont::Cursive;
        break;
    case Keyword::FamilyDecor:
        pending_.hint = QFont::Decorative;
        break;
    default:
        break;
    }
}

void FontTable::appendText(QByteArrayView bytes, int documentCodePage) {
    qsizetype end;
    while ((end = bytes.indexOf(';')) >= 0) {
        appendNameBytes(bytes.first(end), documentCodePage);
        closeEntry();
        bytes = bytes.sliced(end + 1);
    }
    appendNameBytes(bytes, documentCodePage);
}

void FontTable::appendCharacter(QChar character) {
    if (pending_.family.size() < kMaxNameLength)
        pending_.family += character;
}

void FontTable::endTable() {
    closeEntry();
}

const FontEntry *FontTable::entry(int number) const {
    const auto found = fonts_.constFind(number == kDocumentDefaultFont ? defaultFont_ : number);
    return found == fonts_.cend() ? nullptr : &*found;
}

void FontTable::appendNameBytes(QByteArrayView bytes, int documentCodePage) {
    const int codePage = pending_.codePage ? pending_.codePage : documentCodePage;
    pending_.family +=
        decoder_.decode(bytes.first(std::min(bytes.size(), kMaxNameLength)), codePage);
    pending_.family.truncate(kMaxNameLength);
}

void FontTable::closeEntry() {
    if (pendingNumber_ && (fonts_.size() < kMaxFonts || fonts_.contains(*pendingNumber_))) {
        pending_.family = pending_.family.trimmed();
        fonts_.insert(*pendingNumber_, pending_);
        ++revision_;
    }
    pendingNumber_.reset();
    pending_ = {};
}

} // namespace rtf
