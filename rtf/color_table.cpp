#include "rtf/color_table.h"

#include <algorithm>

namespace rtf {
namespace {

// Far beyond any real document; keeps a table of millions of empty entries out of memory.
constexpr qsizetype kMaxColors = 16384;

} // namespace

void ColorTable::applyWord(Keyword keyword, const Token &token) {
    const int value = std::clamp(token.parameter, 0, 255);
    switch (keyword) {
    case Keyword::Red:
        pending_.red = value;
        break;
    case Keyword::Green:
        pending_.green = value;
        break;
    case Keyword::Blue:
        pending_.blue = value;
        break;
    default:
        return;
    }
    pending_.given = true;
}

void ColorTable::appendText(QByteArrayView text) {
    for (qsizetype n = text.count(';'); n > 0 && colors_.size() < kMaxColors; --n) {
        colors_.append(pending_.given
                           ? std::optional(QColor(pending_.red, pending_.green, pending_.blue))
                           : std::nullopt);
        pending_ = {};
    }
}

std::optional<QColor> ColorTable::color(int index) const {
    if (index < 0 || index >= colors_.size())
        return std::nullopt;
    return colors_[index];
}

} // namespace rtf
