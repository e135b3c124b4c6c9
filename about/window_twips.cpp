// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "about/window_twips.h"

#include <QWidget>

namespace {

constexpr float twipsPerPixel = 15.0f;

float twips(int pixels) {
    return float(pixels) * twipsPerPixel;
}

int pixels(float twips) {
    return qRound(twips / twipsPerPixel);
}

} // namespace

TwipsRect outerTwips(const QWidget &window) {
    const QRect frame = window.frameGeometry();
    return {twips(frame.x()), twips(frame.y()), twips(frame.width()), twips(frame.height())};
}

TwipsSize sizeTwips(const QWidget &control) {
    return {twips(control.width()), twips(control.height())};
}

void setOuterSizeTwips(QWidget &window, TwipsSize size) {
    const QSize frameExtra = window.frameGeometry().size() - window.size();
    window.setFixedSize(QSize(pixels(size.width), pixels(size.height)) - frameExtra);
}

// move() places a window by its frame.
void setOuterTopTwips(QWidget &window, float top) {
    window.move(window.x(), pixels(top));
}

void setOuterLeftTwips(QWidget &window, float left) {
    window.move(pixels(left), window.y());
}
