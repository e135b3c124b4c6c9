// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

inline constexpr char16_t initialGreeting[] = u"Hi PlayerName, I hope you're ready to play ...";

// Puts the name wherever the caption says PlayerName; the inserted name is
// not searched again.
QString greetingFor(const QString &caption, const QString &playerName);
