// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

class QWidget;

// Paints what changed in the widget now and returns once the display server
// has it, so that a time counted from here is time it was on screen. Nothing
// to wait for without a display.
void putOnScreenNow(QWidget &widget);
