// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "rtf/keywords.h"
#include "rtf/tokenizer.h"

#include <QColor>
#include <QList>

#include <optional>

namespace rtf {

constexpr int kNoColor = -1;

// A background as word processors describe it: a fill colour, with a pattern colour laid over it
// at a strength in hundredths of a percent.
struct Shading {
    int fill = kNoColor;
    int pattern = kNoColor;
    int strength = 0;

    bool operator==(const Shading &) const = default;
};

// A colour word's number; none for a negative one.
int colorIndex(const Token &token);

// Applies a shading word of any of the three kinds (fill, pattern, strength); false when the word
// is none of them.
bool applyShadingWord(Shading &shading, Keyword fill, Keyword pattern, Keyword strength,
                      Keyword keyword, const Token &token);

// The document's colours. An entry without components stands for the automatic colour.
class ColorTable {
  public:
    // Reading \colortbl: components, then ';' closes each entry.
    void applyWord(Keyword keyword, const Token &token);
    void appendText(QByteArrayView text);

    std::optional<QColor> color(int index) const;
    // None for no shading, or a fill of the automatic colour.
    std::optional<QColor> color(const Shading &shading) const;
    // Changes whenever an entry does.
    int revision() const { return colors_.size(); }

  private:
    struct Components {
        int red = 0;
        int green = 0;
        int blue = 0;
        bool given = false;
    };

    QList<std::optional<QColor>> colors_;
    Components pending_;
};

} // namespace rtf
