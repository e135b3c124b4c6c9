// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

class QString;
class QWidget;

// Tells a screen reader which sum is on screen. The answer box keeps the focus
// for the whole game, and a screen reader speaks changes to the focused
// control, so the sum becomes the box's description.
void announceSum(QWidget &answerBox, int number, int count, const QString &table,
                 const QString &multiplier);
