// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "rtf/char_state.h"
#include "rtf/color_table.h"
#include "rtf/font_table.h"

#include <QTextCharFormat>

#include <optional>

namespace rtf {

// Turns character state, which names fonts and colours by number, into a Qt format.
class CharFormatter {
  public:
    CharFormatter(const FontTable &fonts, const ColorTable &colors)
        : fonts_(fonts), colors_(colors) {}

    // Equal states give formats that share their data.
    const QTextCharFormat &format(const CharState &state) const;
    const ColorTable &colors() const { return colors_; }

  private:
    QTextCharFormat build(const CharState &state) const;

    const FontTable &fonts_;
    const ColorTable &colors_;
    mutable std::optional<CharState> lastState_;
    mutable int lastTablesRevision_ = 0;
    mutable QTextCharFormat lastFormat_;
};

} // namespace rtf
