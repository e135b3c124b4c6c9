// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <optional>

// Answers --help and --version on the terminal and refuses any other
// argument, all before the toolkit starts, so that neither needs a display.
// Nothing means: no arguments, start the game.
std::optional<int> answerCommandLine(int argc, const char *const argv[]);
