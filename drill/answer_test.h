// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// Whether the text in the answer box is this product. Typed answers are digits
// only, but pasted text can be anything: a number (sign, decimal point and
// exponent allowed, blanks around it) counts when its value is a whole number
// from 0 to 999; everything else, 55.6 included, is wrong.
bool isRightAnswer(const QString &answer, int product);
