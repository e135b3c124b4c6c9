// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/progress_texts.h"

#include "drill/shown_date.h"
#include "drill/times_sign.h"
#include "platform/shown_text.h"

#include <QCoreApplication>

#include <cmath>

namespace {
QString percent(int value) {
    return QStringLiteral("%1%").arg(value);
}
QString trendText(const std::optional<TrendLine> &trend) {
    if (!trend)
        return {};
    const long points = std::lround(trend->rise());
    if (std::abs(trend->rise()) < steadyWithin)
        return QCoreApplication::translate("frmProgress", " Trend: steady.");
    return points > 0 ? QCoreApplication::translate("frmProgress", " Trend: up about %1 points.")
                            .arg(points)
                      : QCoreApplication::translate("frmProgress", " Trend: down about %1 points.")
                            .arg(-points);
}
} // namespace

QString progressCaption() {
    return QCoreApplication::translate("frmTables", "&Progress");
}

QString practiseCaption() {
    return QCoreApplication::translate("frmTables", "P&ractise");
}

QString practiseButtonCaption() {
    return QCoreApplication::translate("frmProgress", "&Practise these sums");
}

QString progressTitle(const QString &playerName) {
    //: %1 is the player's name.
    return QCoreApplication::translate("frmProgress", "%1's Progress").arg(shownText(playerName));
}

QString periodLabel() {
    return QCoreApplication::translate("frmProgress", "&Show:");
}

QString periodName(Period period) {
    switch (period) {
    case Period::LastTenGames:
        return QCoreApplication::translate("frmProgress", "Last 10 games");
    case Period::LastThirtyDays:
        return QCoreApplication::translate("frmProgress", "Last 30 days");
    case Period::AllGames:
        break;
    }
    return QCoreApplication::translate("frmProgress", "All games");
}

QString scoresHeading() {
    return QCoreApplication::translate("frmProgress", "Scores, with the trend as a dashed line");
}

QString chartName() {
    return QCoreApplication::translate("frmProgress", "Scores chart");
}

QString wrongSumsHeading() {
    return QCoreApplication::translate("frmProgress", "Sums answered wrong or not in time");
}

QString wrongSumsExplanation() {
    return QCoreApplication::translate(
        "frmProgress",
        "Each square counts how often that sum went wrong in the games shown: the darker, the "
        "more often. Games counts the games whose record shows that table. A record keeps only "
        "the sums that went wrong, so a game in which a table was always right is not counted.");
}

QString tableHeading(int table) {
    return tableName(table);
}

QString gamesHeading() {
    return QCoreApplication::translate("frmProgress", "Games");
}

QString closeCaption() {
    return QCoreApplication::translate("frmProgress", "Close");
}

QString knowledgeHeading() {
    return QCoreApplication::translate("frmProgress", "How well each sum is known");
}

QString knowledgeExplanation() {
    return QCoreApplication::translate(
        "frmProgress",
        "Each square shows how often that sum was answered right out of how often it was asked, "
        "in all games. Green: known. Yellow: still learning. Red: needs practice, it went wrong "
        "the last time. Empty: not asked yet. Practice games ask the red sums most often.");
}

QString noGamesText(Period period) {
    return period == Period::LastThirtyDays
               ? QCoreApplication::translate("frmProgress", "No games in the last 30 days.")
               : QCoreApplication::translate("frmProgress", "No games to show.");
}

QString summaryText(const std::vector<const PlayedGame *> &games, const ScoreSummary &summary) {
    if (games.size() == 1)
        return QCoreApplication::translate("frmProgress", "1 game, on %1: %2.")
            .arg(shownDate(games.front()->date), percent(summary.first));
    return QCoreApplication::translate(
               "frmProgress", "%1 games, %2 to %3. First %4, last %5, best %6, average %7.")
               .arg(games.size())
               .arg(shownDate(games.front()->date), shownDate(games.back()->date),
                    percent(summary.first), percent(summary.last), percent(summary.best),
                    percent(summary.average)) +
           trendText(summary.trend);
}

QString gameText(int number, int count, const PlayedGame &game) {
    return QCoreApplication::translate("frmProgress", "Game %1 of %2: %3 %4, %5/%6 right (%7)")
        .arg(number)
        .arg(count)
        .arg(shownDate(game.date), shownTime(game.time))
        .arg(game.correct)
        .arg(game.sums)
        .arg(percent(percentRight(game)));
}

QString unreadableText(int records) {
    return records == 1
               ? QCoreApplication::translate("frmProgress", "1 record could not be read.")
               : QCoreApplication::translate("frmProgress", "%1 records could not be read.")
                     .arg(records);
}

QString wrongSumText(int table, int multiplier, int times) {
    const QString sum =
        QStringLiteral("%1 = %2: ").arg(sumText(table, multiplier)).arg(table * multiplier);
    if (times == 0)
        return sum + QCoreApplication::translate("frmProgress", "never wrong");
    if (times == 1)
        return sum + QCoreApplication::translate("frmProgress", "wrong once");
    return sum + QCoreApplication::translate("frmProgress", "wrong %1 times").arg(times);
}

QString gamesShowingTableText(int table, int games) {
    if (games == 1)
        //: %1 names the table, as in "x 7".
        return QCoreApplication::translate("frmProgress", "%1: in the record of 1 game")
            .arg(tableName(table));
    //: %1 names the table, as in "x 7"; %2 is the number of games.
    return QCoreApplication::translate("frmProgress", "%1: in the records of %2 games")
        .arg(tableName(table))
        .arg(games);
}

QString knownSumText(const SumKnowledge &sum) {
    const QString name = QStringLiteral("%1 x %2: ").arg(sum.table).arg(sum.multiplier);
    const LearningState state = learningState(sum);
    if (state == LearningState::NotAsked)
        return name + QCoreApplication::translate("frmProgress", "not asked yet");
    const QString stateName = state == LearningState::Known
                                  ? QCoreApplication::translate("frmProgress", "known")
                              : state == LearningState::Learning
                                  ? QCoreApplication::translate("frmProgress", "still learning")
                                  : QCoreApplication::translate("frmProgress", "needs practice");
    //: %1 is how often the sum was answered right, %2 its learning state.
    if (sum.asked == 1)
        return name + QCoreApplication::translate("frmProgress", "asked once, right %1, %2")
                          .arg(sum.right)
                          .arg(stateName);
    //: %1 is how often the sum was asked, %2 how often answered right, %3 its learning state.
    return name + QCoreApplication::translate("frmProgress", "asked %1 times, right %2, %3")
                      .arg(sum.asked)
                      .arg(sum.right)
                      .arg(stateName);
}
