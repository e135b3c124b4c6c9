// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/char_formatter.h"

namespace rtf {
namespace {

QTextCharFormat::UnderlineStyle qtUnderline(UnderlineStyle style) {
    switch (style) {
    case UnderlineStyle::Single:
        return QTextCharFormat::SingleUnderline;
    case UnderlineStyle::Dotted:
        return QTextCharFormat::DotLine;
    case UnderlineStyle::Dashed:
        return QTextCharFormat::DashUnderline;
    case UnderlineStyle::Wave:
        return QTextCharFormat::WaveUnderline;
    case UnderlineStyle::None:
        break;
    }
    return QTextCharFormat::NoUnderline;
}

QTextCharFormat::VerticalAlignment qtScript(ScriptPosition position) {
    switch (position) {
    case ScriptPosition::Super:
        return QTextCharFormat::AlignSuperScript;
    case ScriptPosition::Sub:
        return QTextCharFormat::AlignSubScript;
    case ScriptPosition::Normal:
        break;
    }
    return QTextCharFormat::AlignNormal;
}

} // namespace

const QTextCharFormat &CharFormatter::format(const CharState &state) const {
    const int tablesRevision = fonts_.revision() + colors_.revision();
    if (lastState_ != state || lastTablesRevision_ != tablesRevision) {
        lastState_ = state;
        lastTablesRevision_ = tablesRevision;
        lastFormat_ = build(state);
    }
    return lastFormat_;
}

QTextCharFormat CharFormatter::build(const CharState &state) const {
    QTextCharFormat format;
    if (const FontEntry *font = fonts_.entry(state.font)) {
        if (!font->family.isEmpty())
            format.setFontFamilies(QStringList{font->family});
        format.setFontStyleHint(font->hint);
    }
    format.setFontPointSize(state.halfPoints / 2.0);
    format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(state.italic);
    format.setUnderlineStyle(qtUnderline(state.underline));
    format.setFontStrikeOut(state.strike);
    format.setVerticalAlignment(qtScript(state.script));
    if (state.raise != 0)
        format.setBaselineOffset(100.0 * state.raise / state.halfPoints);
    if (state.caps)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (state.smallCaps)
        format.setFontCapitalization(QFont::SmallCaps);
    if (const auto color = colors_.color(state.foreground))
        format.setForeground(*color);
    // Highlighting is drawn over shading, which replaces the older background colour.
    std::optional<QColor> background;
    if (state.highlight > 0)
        background = colors_.color(state.highlight);
    if (!background)
        background = colors_.color(state.shading);
    if (!background)
        background = colors_.color(state.background);
    if (background)
        format.setBackground(*background);
    return format;
}

} // namespace rtf
