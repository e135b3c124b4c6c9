// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QString>

// The texts of the history viewer's message boxes.

// The settings section that holds a player's finished games.
QString historySection(const QString &playerName);

// "Ann's History (2/5) - 14/07/01 10:23:45", the key's date as the language writes it.
QString historyTitle(const QString &playerName, int number, int count, const QString &key,
                     int thisYear);

// The most of a record that a message box shows. A game's own record (100
// sums, all wrong) is well within both; a record edited by hand may not be.
constexpr qsizetype maxShownCharacters = 4000;
constexpr qsizetype maxShownLines = 120;

// The record, cut to its first maxShownCharacters characters or maxShownLines
// lines, whichever is shorter, with a note that says so; otherwise unchanged.
QString shownRecord(const QString &record);

// The record as shown, then an empty line and the question.
QString historyText(const QString &record);

QString noHistoryText(const QString &playerName);
