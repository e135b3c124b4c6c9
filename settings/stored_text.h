// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// Stored settings are texts; these turn them back into values. Text that is
// not in the form the program writes gives the caller's default.

// "True" or "False".
bool flagFromText(const QString &text, bool defaultValue);
QString flagText(bool value);

// A decimal integer within the 16-bit signed range.
qint16 int16FromText(const QString &text, qint16 defaultValue);

// A check box value: 0 clear, 1 ticked, 2 greyed.
int checkValueFromText(const QString &text, int defaultValue);
