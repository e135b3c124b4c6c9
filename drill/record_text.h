// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// A history record as the player reads it: its score line, transcript header
// and multiplication sign in the player's language, the sums as stored. Text
// in any other form is shown unchanged.
QString recordForReading(const QString &record);

// The same as sentences for a screen reader, one for each sum answered
// wrongly: "12 times 4 is 48: you ran out of time." A line not in the
// game's form is read as it is.
QString recordForListening(const QString &record);
