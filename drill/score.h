// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>
#include <QtGlobal>

// The score line before its numbers are filled in. Records store it in
// English; it is translated only where it is shown.
inline constexpr char scoredText[] = QT_TRANSLATE_NOOP("EndOfGame", "You have scored %1/%2.");

// "You have scored 8/10." and two line breaks, as stored.
QString scoreLine(int correct, int maxSums);

// "VERY GOOD, Sam!" and two line breaks, or nothing below 60 %.
QString ratingLine(int correct, int maxSums, const QString &playerName);

// The captions of the running counts.
QString correctCaption(int correct);
QString wrongCaption(int wrong);
