// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/progress_texts.h"

#include <cmath>

namespace {
QString percent(int value) {
    return QStringLiteral("%1%").arg(value);
}
QString shortDate(const PlayedGame &game) {
    return game.date.toString(QStringLiteral("dd/MM/yy"));
}
QString trendText(const std::optional<TrendLine> &trend) {
    if (!trend)
        return {};
    const long points = std::lround(trend->rise());
    if (std::abs(trend->rise()) < steadyWithin)
        return QStringLiteral(" Trend: steady.");
    return points > 0 ? QStringLiteral(" Trend: up about %1 points.").arg(points)
                      : QStringLiteral(" Trend: down about %1 points.").arg(-points);
}
} // namespace

QString progressCaption() {
    return QStringLiteral("&Progress");
}

QString progressTitle(const QString &playerName) {
    return playerName + QStringLiteral("'s Progress");
}

QString periodLabel() {
    return QStringLiteral("&Show:");
}

QString periodName(Period period) {
    switch (period) {
    case Period::LastTenGames:
        return QStringLiteral("Last 10 games");
    case Period::LastThirtyDays:
        return QStringLiteral("Last 30 days");
    case Period::AllGames:
        break;
    }
    return QStringLiteral("All games");
}

QString scoresHeading() {
    return QStringLiteral("Scores, with the trend as a dashed line");
}

QString chartName() {
    return QStringLiteral("Scores chart");
}

QString wrongSumsHeading() {
    return QStringLiteral("Sums answered wrong or not in time");
}

QString wrongSumsExplanation() {
    return QStringLiteral(
        "Each square counts how often that sum went wrong in the games shown: the darker, the "
        "more often. Games counts the games whose record shows that table. A record keeps only "
        "the sums that went wrong, so a game in which a table was always right is not counted.");
}

QString tableHeading(int table) {
    return QStringLiteral("x %1").arg(table);
}

QString gamesHeading() {
    return QStringLiteral("Games");
}

QString closeCaption() {
    return QStringLiteral("Close");
}

QString noGamesText(Period period) {
    return period == Period::LastThirtyDays ? QStringLiteral("No games in the last 30 days.")
                                            : QStringLiteral("No games to show.");
}

QString summaryText(const std::vector<const PlayedGame *> &games, const ScoreSummary &summary) {
    if (games.size() == 1)
        return QStringLiteral("1 game, on %1: %2.")
            .arg(shortDate(*games.front()), percent(summary.first));
    return QStringLiteral("%1 games, %2 to %3. First %4, last %5, best %6, average %7.")
               .arg(games.size())
               .arg(shortDate(*games.front()), shortDate(*games.back()), percent(summary.first),
                    percent(summary.last), percent(summary.best), percent(summary.average)) +
           trendText(summary.trend);
}

QString gameText(int number, int count, const PlayedGame &game) {
    return QStringLiteral("Game %1 of %2: %3 %4, %5/%6 right (%7)")
        .arg(number)
        .arg(count)
        .arg(shortDate(game), game.time.toString(QStringLiteral("HH:mm")))
        .arg(game.correct)
        .arg(game.sums)
        .arg(percent(percentRight(game)));
}

QString unreadableText(int records) {
    return records == 1 ? QStringLiteral("1 record could not be read.")
                        : QStringLiteral("%1 records could not be read.").arg(records);
}

QString wrongSumText(int table, int multiplier, int times) {
    const QString sum =
        QStringLiteral("%1 x %2 = %3: ").arg(table).arg(multiplier).arg(table * multiplier);
    if (times == 0)
        return sum + QStringLiteral("never wrong");
    if (times == 1)
        return sum + QStringLiteral("wrong once");
    return sum + QStringLiteral("wrong %1 times").arg(times);
}

QString gamesShowingTableText(int table, int games) {
    return games == 1 ? QStringLiteral("x %1: in the record of 1 game").arg(table)
                      : QStringLiteral("x %1: in the records of %2 games").arg(table).arg(games);
}
