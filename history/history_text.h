// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// The texts of the history viewer's message boxes.

// The settings section that holds a player's finished games.
QString historySection(const QString &playerName);

// "Ann's History (2/5) - 14/07/01 10:23:45"
QString historyTitle(const QString &playerName, int number, int count, const QString &key);

// The stored record, unchanged, then an empty line and the question.
QString historyText(const QString &record);

QString noHistoryText(const QString &playerName);
