// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

// Sizes and places of the help window, in twips as single-precision numbers.

struct TwipsSize {
    float width;
    float height;
};

struct TwipsRect {
    float left;
    float top;
    float width;
    float height;
};

// The outer size (title bar and borders included) that shows a face whole;
// the margins are added whatever the platform's frame sizes are.
TwipsSize aboutOuterSize(TwipsSize aboutPanel);
TwipsSize contentsOuterSize(TwipsSize contentsBox);

// The start that centres an extent over the owner's, mirrored onto the
// positive side when it would fall before the origin.
float centredTwips(float ownerStart, float ownerExtent, float ownExtent);
