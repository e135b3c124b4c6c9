// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/char_state.h"

#include <algorithm>

namespace rtf {
namespace {

constexpr int kMaxHalfPoints = 3276;

// \b and \b1 switch on, \b0 off.
bool switchedOn(const Token &token) {
    return !token.hasParameter || token.parameter != 0;
}

void setUnderline(CharState &state, UnderlineStyle style, const Token &token) {
    state.underline = switchedOn(token) ? style : UnderlineStyle::None;
}

} // namespace

bool applyCharacterWord(CharState &state, Keyword keyword, const Token &token) {
    if (applyShadingWord(state.shading, Keyword::CharShadingBack, Keyword::CharShadingPattern,
                         Keyword::CharShading, keyword, token))
        return true;
    switch (keyword) {
    case Keyword::Plain:
        state = CharState{};
        break;
    case Keyword::Bold:
        state.bold = switchedOn(token);
        break;
    case Keyword::Italic:
        state.italic = switchedOn(token);
        break;
    case Keyword::Strike:
        state.strike = switchedOn(token);
        break;
    case Keyword::Hidden:
        state.hidden = switchedOn(token);
        break;
    case Keyword::Caps:
        state.caps = switchedOn(token);
        break;
    case Keyword::SmallCaps:
        state.smallCaps = switchedOn(token);
        break;
    // \up and \dn without a number raise or lower by three points.
    case Keyword::Up:
        state.raise = token.hasParameter ? std::clamp(token.parameter, 0, kMaxHalfPoints) : 6;
        break;
    case Keyword::Down:
        state.raise = -(token.hasParameter ? std::clamp(token.parameter, 0, kMaxHalfPoints) : 6);
        break;
    case Keyword::Underline:
        setUnderline(state, UnderlineStyle::Single, token);
        break;
    case Keyword::UnderlineDotted:
        setUnderline(state, UnderlineStyle::Dotted, token);
        break;
    case Keyword::UnderlineDashed:
        setUnderline(state, UnderlineStyle::Dashed, token);
        break;
    case Keyword::UnderlineWave:
        setUnderline(state, UnderlineStyle::Wave, token);
        break;
    case Keyword::UnderlineNone:
        state.underline = UnderlineStyle::None;
        break;
    case Keyword::FontSize:
        // A size of nothing or less means nothing; keep the default rather than vanish.
        state.halfPoints =
            token.parameter > 0 ? std::min(token.parameter, kMaxHalfPoints) : kDefaultHalfPoints;
        break;
    case Keyword::Font:
        state.font = token.parameter < 0 ? kDocumentDefaultFont : token.parameter;
        break;
    case Keyword::Foreground:
        state.foreground = colorIndex(token);
        break;
    case Keyword::Background:
        state.background = colorIndex(token);
        break;
    case Keyword::Highlight:
        state.highlight = colorIndex(token);
        break;
    case Keyword::Superscript:
        state.script = ScriptPosition::Super;
        break;
    case Keyword::Subscript:
        state.script = ScriptPosition::Sub;
        break;
    case Keyword::NoSuperSub:
        state.script = ScriptPosition::Normal;
        break;
    default:
        return false;
    }
    return true;
}

} // namespace rtf
