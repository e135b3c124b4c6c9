// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// Puts the name wherever the caption says PlayerName; the inserted name is
// not searched again.
QString greetingFor(const QString &caption, const QString &playerName);
