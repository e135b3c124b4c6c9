// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "rtf/keywords.h"

#include <QChar>

#include <optional>

namespace rtf {

// The character a word such as \emdash stands for.
std::optional<QChar> characterForWord(Keyword keyword);
// The character a control symbol such as \~ stands for.
std::optional<QChar> characterForSymbol(char symbol);

} // namespace rtf
