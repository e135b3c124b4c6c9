// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/fixed_paragraph.h"

#include <QEvent>

#include <algorithm>

FixedParagraph::FixedParagraph(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setWordWrap(true);
}

int FixedParagraph::heightForWidth(int width) const {
    const auto found =
        std::find_if(heights_.begin(), heights_.end(),
                     [width](const auto &measured) { return measured.first == width; });
    if (found != heights_.end())
        return found->second;
    const int height = QLabel::heightForWidth(width);
    heights_.emplace_back(width, height);
    return height;
}

void FixedParagraph::changeEvent(QEvent *event) {
    // Another font, style or margin lays the text out anew.
    heights_.clear();
    QLabel::changeEvent(event);
}
