#pragma once

#include "rtf/char_state.h"
#include "rtf/paragraph_state.h"

namespace rtf {

// Where a group's text goes.
enum class Destination : quint8 { Body, FontTable, ColorTable, Picture, Skipped };

// What a group saves on entry and restores on exit.
struct GroupState {
    CharState character;
    ParagraphState paragraph;
    Destination destination = Destination::Body;
    int unicodeSkip = 1; // \uc: bytes that stand in for each \u
};

} // namespace rtf
