// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "progress/score_summary.h"

#include <QWidget>

// The score of each game in the order played, the date under it where there
// is room, and the trend as a dashed line. One game is the current one: the
// arrow keys, Home, End, Page Up and Page Down or the mouse choose it, so each
// game can be picked out however many there are.
class ScoreChart : public QWidget {
    Q_OBJECT

  public:
    explicit ScoreChart(QWidget *parent = nullptr);

    // The games in the order played, kept by the caller until the next call
    // or the chart's end; the last game becomes the current one.
    void setScores(std::span<const PlayedGame *const> games, std::optional<TrendLine> trend,
                   const QString &emptyText);
    int current() const { return current_; }
    void setCurrent(int game);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void currentChanged(int game);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

  private:
    bool fromRight() const;
    QRect plotArea() const;
    // In the plot area and direction as last painted.
    double xOf(double game) const;
    double yOf(double percent) const;
    int gameAt(int x) const;
    void drawAxes(QPainter &painter) const;
    void drawScores(QPainter &painter) const;
    void drawDates(QPainter &painter) const;

    int percentOf(std::size_t game) const { return percentRight(*games_[game]); }

    std::span<const PlayedGame *const> games_;
    std::optional<TrendLine> trend_;
    QString emptyText_;
    int current_ = -1;
    QRect plot_;
    // Asked once a painting, not once a game.
    bool plotFromRight_ = false;
};
