// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "rtf/char_state.h"
#include "rtf/paragraph_state.h"

namespace rtf {

// Where a group's text goes. A list label and a field's instruction are read as body text
// but kept aside; a shape property's name, and a nested table's row definition, only steer.
enum class Destination : quint8 {
    Body,
    ListLabel,
    FieldInstruction,
    FontTable,
    ColorTable,
    Picture,
    ShapePropertyName,
    NestedTableProperties,
    Skipped
};

// What a group saves on entry and restores on exit.
struct GroupState {
    CharState character;
    ParagraphState paragraph;
    Destination destination = Destination::Body;
    int unicodeSkip = 1; // \uc: bytes that stand in for each \u
    bool inNote = false;
    bool inShape = false;
};

} // namespace rtf
