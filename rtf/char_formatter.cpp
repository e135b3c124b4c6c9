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
    if (const auto color = colors_.color(state.foreground))
        format.setForeground(*color);
    // Highlighting is drawn over shading.
    const int background = state.highlight > 0 ? state.highlight : state.background;
    if (const auto color = colors_.color(background))
        format.setBackground(*color);
    return format;
}

} // namespace rtf
