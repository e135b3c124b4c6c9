// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "progress/knowledge.h"
#include "progress/period.h"
#include "progress/score_summary.h"

#include <QString>

// Every text the Progress window and its menu item show, in one place.

QString progressCaption(); // the Game menu's item
QString practiseCaption(); // the Game menu's item
QString practiseButtonCaption();
QString progressTitle(const QString &playerName);
QString periodLabel();
QString periodName(Period period);
QString scoresHeading();
QString chartName();
QString wrongSumsHeading();
QString wrongSumsExplanation();
QString tableHeading(int table);
QString gamesHeading();
QString closeCaption();
QString knowledgeHeading();
QString knowledgeExplanation();

QString noGamesText(Period period);
QString summaryText(const std::vector<const PlayedGame *> &games, const ScoreSummary &summary);
// "Game 5 of 12: 04/12/26 10:11, 7/10 right (70%)"
QString gameText(int number, int count, const PlayedGame &game);
QString unreadableText(int records);
QString wrongSumText(int table, int multiplier, int times);
QString gamesShowingTableText(int table, int games);
// "7 x 8: asked 12 times, right 9, still learning"
QString knownSumText(const SumKnowledge &sum);
