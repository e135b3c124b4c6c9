// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QColor>

// The classic desktop scheme the windows were designed against.
inline QColor desktopColour() {
    return QColor(0, 128, 128);
}
inline QColor scrollBarColour() {
    return QColor(192, 192, 192);
}
// The face of buttons and other controls, and their 3-D edges.
inline QColor controlColour() {
    return QColor(192, 192, 192);
}
inline QColor buttonShadowColour() {
    return QColor(128, 128, 128);
}
inline QColor buttonHighlightColour() {
    return QColor(255, 255, 255);
}
