// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// Removes blanks (spaces only, as typed) from both ends.
QString trimBlanks(const QString &text);
