// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

class QWidget;

// Qt's layouts turn round by themselves for a right-to-left language; controls
// placed at fixed spots do not. In a right-to-left window this moves each
// control inside the container, and inside its controls, to its mirror place.
// A control set to left-to-right keeps its place, with all it holds.
void mirrorFixedPlaces(QWidget &container);
