// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/color_table.h"

#include <algorithm>

namespace rtf {
namespace {

// Far beyond any real document; keeps a table of millions of empty entries out of memory.
constexpr qsizetype kMaxColors = 16384;

} // namespace

int colorIndex(const Token &token) {
    return token.parameter < 0 ? kNoColor : token.parameter;
}

bool applyShadingWord(Shading &shading, Keyword fill, Keyword pattern, Keyword strength,
                      Keyword keyword, const Token &token) {
    if (keyword == fill)
        shading.fill = colorIndex(token);
    else if (keyword == pattern)
        shading.pattern = colorIndex(token);
    else if (keyword == strength)
        shading.strength = std::clamp(token.parameter, 0, 10000);
    else
        return false;
    return true;
}

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

std::optional<QColor> ColorTable::color(const Shading &shading) const {
    if (shading.strength == 0)
        return color(shading.fill);
    // Automatic colours: a white page under a black pattern.
    const QColor fill = color(shading.fill).value_or(Qt::white);
    const QColor pattern = color(shading.pattern).value_or(Qt::black);
    const auto mix = [&](int under, int over) {
        return (under * (10000 - shading.strength) + over * shading.strength) / 10000;
    };
    return QColor(mix(fill.red(), pattern.red()), mix(fill.green(), pattern.green()),
                  mix(fill.blue(), pattern.blue()));
}

} // namespace rtf
