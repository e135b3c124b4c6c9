// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

// Edit boxes as a screen reader should read them, which the toolkit's own
// description gets wrong in two ways: its reader drops the last character
// of a box's text ("Mi" for "Mia"), and a selected blank (the answer box's,
// there just so the first digit replaces it) makes the first digit typed
// sound like "Selection deleted.". Call once, before any box is shown.
void installLineEditAccessibility();
