// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

class QWidget;

// Paints what changed in the widget now and returns once the display server
// has it, so that a time counted from here is time it was on screen. Nothing
// to wait for without a display.
void putOnScreenNow(QWidget &widget);

// Qt waits for the display server to finish with any part of the window it
// sent before it paints over that part. Taken ahead of a paint that must be
// quick, that wait is not in the paint's way.
void settleDrawnWindow(QWidget &widget);
