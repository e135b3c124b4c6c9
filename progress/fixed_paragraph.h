// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QLabel>

#include <utility>
#include <vector>

// A word-wrapped text that stays as it was made, measured once for each width
// it is tried at: the window's layout asks the same few widths over and over,
// and a label lays its whole text out again at every asking.
class FixedParagraph : public QLabel {
  public:
    FixedParagraph(const QString &text, QWidget *parent);

    int heightForWidth(int width) const override;

  protected:
    void changeEvent(QEvent *event) override;

  private:
    mutable std::vector<std::pair<int, int>> heights_; // width, height
};
