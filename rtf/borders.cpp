// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/borders.h"

#include <algorithm>

namespace rtf {
namespace {

constexpr int kMaxWidth = 255;

QTextFrameFormat::BorderStyle styleOf(QByteArrayView word) {
    if (word == "brdrdb" || word == "brdrtriple")
        return QTextFrameFormat::BorderStyle_Double;
    if (word == "brdrdot")
        return QTextFrameFormat::BorderStyle_Dotted;
    if (word.startsWith("brdrdash"))
        return QTextFrameFormat::BorderStyle_Dashed;
    return QTextFrameFormat::BorderStyle_Solid;
}

} // namespace

bool applyBorderWord(Border &border, Keyword keyword, const Token &token) {
    switch (keyword) {
    case Keyword::BorderStyle:
        border.style = styleOf(token.text);
        // A thick line is twice the width given.
        if (token.text == "brdrth")
            border.width = std::max(border.width, 30);
        break;
    case Keyword::BorderNone:
        border.style = QTextFrameFormat::BorderStyle_None;
        break;
    case Keyword::BorderWidth:
        border.width = std::clamp(token.parameter, 0, kMaxWidth);
        break;
    case Keyword::BorderColor:
        border.color = token.parameter < 0 ? -1 : token.parameter;
        break;
    default:
        return false;
    }
    return true;
}

} // namespace rtf
