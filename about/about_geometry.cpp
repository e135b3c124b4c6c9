// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "about/about_geometry.h"

#include <cmath>

TwipsSize aboutOuterSize(TwipsSize aboutPanel) {
    return {aboutPanel.width + 80.0f, aboutPanel.height + 200.0f};
}

TwipsSize contentsOuterSize(TwipsSize contentsBox) {
    return {contentsBox.width + 80.0f, contentsBox.height + 350.0f};
}

float centredTwips(float ownerStart, float ownerExtent, float ownExtent) {
    return std::fabs(ownerStart + (ownerExtent - ownExtent) / 2.0f);
}
