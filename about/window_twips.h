// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "about/about_geometry.h"

class QWidget;

// Window geometry read and set in twips, at fifteen twips to the logical pixel.

// A top-level window's frame: position and size with title bar and borders.
TwipsRect outerTwips(const QWidget &window);
// A control's own size.
TwipsSize sizeTwips(const QWidget &control);

// The frame comes out this size; the client area is what the frame leaves.
void setOuterSizeTwips(QWidget &window, TwipsSize size);
void setOuterTopTwips(QWidget &window, float top);
void setOuterLeftTwips(QWidget &window, float left);
