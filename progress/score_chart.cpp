// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/score_chart.h"

#include "drill/shown_date.h"
#include "progress/progress_texts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>

#include <cmath>

namespace {

const QColor scoreColour(0, 0, 192);
const QColor spreadColour(160, 170, 230);
const QColor trendColour(0, 128, 0);
const QColor currentColour(192, 0, 0);

// Closer than this, games are drawn as a band per pixel column instead of dots.
constexpr double dotSpacing = 4;
constexpr int pageOfGames = 10;

// A screen reader is told it is a chart, not a bare pane.
QAccessibleInterface *chartAccessibility(const QString &className, QObject *object) {
    if (className == QLatin1String("ScoreChart") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Chart);
    return nullptr;
}

} // namespace

ScoreChart::ScoreChart(QWidget *parent) : QWidget(parent) {
    static const bool installed = (QAccessible::installFactory(chartAccessibility), true);
    Q_UNUSED(installed);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void ScoreChart::setScores(std::span<const PlayedGame *const> games, std::optional<TrendLine> trend,
                           const QString &emptyText) {
    games_ = games;
    trend_ = trend;
    emptyText_ = emptyText;
    current_ = -1;
    setCurrent(int(games_.size()) - 1);
    update();
}

void ScoreChart::setCurrent(int game) {
    game = std::clamp(game, games_.empty() ? -1 : 0, int(games_.size()) - 1);
    if (game == current_)
        return;
    current_ = game;
    update();
    emit currentChanged(current_);
}

QSize ScoreChart::sizeHint() const {
    return {560, 200};
}

QSize ScoreChart::minimumSizeHint() const {
    return {240, 140};
}

// Time runs the way the language reads: from the right in a right-to-left one, with the
// percentages on that side too.
bool ScoreChart::fromRight() const {
    return layoutDirection() == Qt::RightToLeft;
}

QRect ScoreChart::plotArea() const {
    const QFontMetrics metrics = fontMetrics();
    const int labels = metrics.horizontalAdvance(QStringLiteral("100%")) + 10;
    const int top = metrics.height() / 2 + 4;
    const int bottom = 2 * metrics.height() + 4;
    return fromRight() ? rect().adjusted(12, top, -labels, -bottom)
                       : rect().adjusted(labels, top, -12, -bottom);
}

double ScoreChart::xOf(double game) const {
    if (games_.size() < 2)
        return plot_.center().x();
    const double along = game * plot_.width() / double(games_.size() - 1);
    return plotFromRight_ ? plot_.left() + plot_.width() - along : plot_.left() + along;
}

double ScoreChart::yOf(double percent) const {
    return plot_.bottom() - percent * plot_.height() / 100.0;
}

int ScoreChart::gameAt(int x) const {
    if (games_.size() < 2)
        return current_;
    const QRect plot = plotArea();
    const int along = fromRight() ? plot.left() + plot.width() - x : x - plot.left();
    return int(std::lround(double(along) * double(games_.size() - 1) / std::max(1, plot.width())));
}

void ScoreChart::paintEvent(QPaintEvent *) {
    plot_ = plotArea();
    plotFromRight_ = fromRight();
    QPainter painter(this);
    drawAxes(painter);
    if (games_.empty()) {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(plot_, Qt::AlignCenter | Qt::TextWordWrap, emptyText_);
    } else {
        painter.setRenderHint(QPainter::Antialiasing);
        drawScores(painter);
        painter.setRenderHint(QPainter::Antialiasing, false);
        drawDates(painter);
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void ScoreChart::drawAxes(QPainter &painter) const {
    const QRect &plot = plot_;
    const QColor text = palette().color(QPalette::Text);
    for (int percent = 0; percent <= 100; percent += 25) {
        const int y = int(std::lround(yOf(percent)));
        painter.setPen(percent % 50 == 0 ? QColor(200, 200, 200) : QColor(230, 230, 230));
        painter.drawLine(plot.left(), y, plot.right(), y);
        if (percent % 50 == 0) {
            painter.setPen(text);
            const QRect label =
                fromRight() ? QRect(plot.right() + 6, y - 20, width() - plot.right() - 6, 40)
                            : QRect(0, y - 20, plot.left() - 6, 40);
            painter.drawText(label,
                             Qt::AlignAbsolute | Qt::AlignVCenter |
                                 (fromRight() ? Qt::AlignLeft : Qt::AlignRight),
                             QStringLiteral("%1%").arg(percent));
        }
    }
}

void ScoreChart::drawScores(QPainter &painter) const {
    const QRect &plot = plot_;
    const std::size_t count = games_.size();
    const bool dense = count > 1 && double(plot.width()) / double(count - 1) < dotSpacing;
    QPolygonF line;
    if (dense) {
        // Per pixel column: the spread of the scores, and a thin line through
        // their mean; wide or smoothed strokes of thousands of games draw slowly.
        struct Column {
            int low = 100, high = 0, total = 0, games = 0;
        };
        std::vector<Column> columns(std::size_t(plot.width()) + 1);
        for (std::size_t i = 0; i < count; ++i) {
            Column &column =
                columns[std::size_t(std::lround(xOf(double(i)))) - std::size_t(plot.left())];
            const int percent = percentOf(i);
            column.low = std::min(column.low, percent);
            column.high = std::max(column.high, percent);
            column.total += percent;
            ++column.games;
        }
        // Each spread a filled column a pixel wide: as lines, they took the
        // painter a pen's work for every pixel.
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (columns[c].games == 0)
                continue;
            const int x = plot.left() + int(c);
            const int high = int(std::lround(yOf(columns[c].high)));
            const int low = int(std::lround(yOf(columns[c].low)));
            const int top = std::min(high, low);
            const int bottom = std::max(high, low);
            painter.fillRect(x, top, 1, bottom - top + 1, spreadColour);
            line << QPointF(x, yOf(double(columns[c].total) / columns[c].games));
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(scoreColour, 0));
        painter.drawPolyline(line);
        painter.setRenderHint(QPainter::Antialiasing);
    } else {
        for (std::size_t i = 0; i < count; ++i)
            line << QPointF(xOf(double(i)), yOf(percentOf(i)));
        painter.setPen(QPen(scoreColour, 1.5));
        painter.drawPolyline(line);
        painter.setBrush(scoreColour);
        for (const QPointF &point : line)
            painter.drawEllipse(point, 2.5, 2.5);
    }
    if (trend_) {
        painter.setPen(QPen(trendColour, 1.5, Qt::DashLine));
        painter.drawLine(QPointF(xOf(0), yOf(trend_->atFirst)),
                         QPointF(xOf(double(count - 1)), yOf(trend_->atLast)));
    }
    const QPointF chosen(xOf(current_), yOf(percentOf(std::size_t(current_))));
    painter.setPen(QPen(currentColour, 1, Qt::DotLine));
    painter.drawLine(QPointF(chosen.x(), plot.top()), QPointF(chosen.x(), plot.bottom()));
    painter.setPen(QPen(currentColour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(chosen, 5, 5);
}

// Under every game where the dates fit side by side, else under every k-th.
void ScoreChart::drawDates(QPainter &painter) const {
    const QRect &plot = plot_;
    const QFontMetrics metrics = fontMetrics();
    // Digits are measured at their widest.
    const QString widest =
        shownDate(QDate(2088, 12, 28))
            .replace(QRegularExpression(QStringLiteral("[0-9]")), QStringLiteral("0"));
    const int labelWidth = metrics.horizontalAdvance(widest) + 12;
    const std::size_t count = games_.size();
    const double spacing = count > 1 ? double(plot.width()) / double(count - 1) : plot.width();
    const auto step = std::size_t(std::max(1.0, std::ceil(labelWidth / spacing)));
    painter.setPen(palette().color(QPalette::Text));
    const int top = plot.bottom() + 6;
    QRect drawn;
    for (std::size_t i = 0; i < count; i += step) {
        const int x = int(std::lround(xOf(double(i))));
        const int left = std::clamp(x - labelWidth / 2, 0, width() - labelWidth);
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + 3);
        // Pushed in at the edge, the last date could land on the one before.
        const QRect label(left, top, labelWidth, metrics.height());
        if (label.intersects(drawn))
            continue;
        painter.drawText(label, Qt::AlignCenter, shownDate(games_[i]->date));
        drawn = label;
    }
}

void ScoreChart::keyPressEvent(QKeyEvent *event) {
    const int last = int(games_.size()) - 1;
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrent(current_ + (fromRight() ? 1 : -1));
        break;
    case Qt::Key_Right:
        setCurrent(current_ + (fromRight() ? -1 : 1));
        break;
    case Qt::Key_PageUp:
        setCurrent(current_ - pageOfGames);
        break;
    case Qt::Key_PageDown:
        setCurrent(current_ + pageOfGames);
        break;
    case Qt::Key_Home:
        setCurrent(0);
        break;
    case Qt::Key_End:
        setCurrent(last);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ScoreChart::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        setCurrent(gameAt(event->position().toPoint().x()));
}

void ScoreChart::mouseMoveEvent(QMouseEvent *event) {
    if (event->buttons() & Qt::LeftButton)
        setCurrent(gameAt(event->position().toPoint().x()));
}
