// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/square_delegate.h"

#include <QApplication>
#include <QHashFunctions>
#include <QPainter>
#include <QStyle>

#include <cstring>

namespace {

// Texts kept laid out; a grid shows a few dozen, so this only bounds a
// window left open while its figures change for hours.
constexpr std::size_t layoutsKept = 1000;

// The styles that draw an item as the toolkit's common style does, which is
// what this follows step by step; any other (a desktop's own, one from a
// style sheet) draws every square itself.
bool drawsItemsCommonly(const QStyle &style) {
    const char *name = style.metaObject()->className();
    return std::strcmp(name, "QFusionStyle") == 0 || std::strcmp(name, "QWindowsStyle") == 0;
}

// A square holding text alone, that text given the whole square.
bool textAlone(const QStyleOptionViewItem &item) {
    const bool extras = item.features & (QStyleOptionViewItem::HasCheckIndicator |
                                         QStyleOptionViewItem::HasDecoration);
    const bool besideText = item.decorationPosition == QStyleOptionViewItem::Left ||
                            item.decorationPosition == QStyleOptionViewItem::Right;
    return !extras && besideText && item.showDecorationSelected &&
           !(item.state & QStyle::State_Editing);
}

QColor textColour(const QStyleOptionViewItem &item) {
    QPalette::ColorGroup group =
        item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(item.state & QStyle::State_Active))
        group = QPalette::Inactive;
    return item.palette.color(group, item.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                         : QPalette::Text);
}

void drawFocus(const QStyle &style, const QStyleOptionViewItem &item, QPainter *painter) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(item);
    focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    const QPalette::ColorGroup group =
        item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    focus.backgroundColor = item.palette.color(
        group, item.state & QStyle::State_Selected ? QPalette::Highlight : QPalette::Window);
    style.drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, item.widget);
}

} // namespace

size_t SquareDelegate::KeyHash::operator()(const Key &key) const {
    return qHashMulti(0, key.text, key.font, key.width, key.alignment, int(key.direction));
}

const QTextLayout *SquareDelegate::laidOut(const QStyleOptionViewItem &item, int width) const {
    Key key{item.text, item.font, width, int(item.displayAlignment), item.direction};
    if (const auto found = layouts_.find(key); found != layouts_.end())
        return found->second.get();
    if (layouts_.size() >= layoutsKept)
        layouts_.clear();

    auto layout = std::make_unique<QTextLayout>(item.text, item.font);
    QTextOption option;
    option.setWrapMode(item.features & QStyleOptionViewItem::WrapText ? QTextOption::WordWrap
                                                                      : QTextOption::ManualWrap);
    option.setTextDirection(item.direction);
    option.setAlignment(QStyle::visualAlignment(item.direction, item.displayAlignment));
    layout->setTextOption(option);
    // Keeps the shaped glyphs after the layout, which is the point.
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    line.setLineWidth(width);
    line.setPosition(QPointF(0, 0));
    const bool fits = !layout->createLine().isValid() && line.naturalTextWidth() <= width;
    layout->endLayout();
    if (!fits)
        layout.reset();
    return layouts_.emplace(std::move(key), std::move(layout)).first->second.get();
}

void SquareDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                           const QModelIndex &index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyle &style = item.widget ? *item.widget->style() : *QApplication::style();
    const int margin = style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
    const QRect textRect = item.rect.adjusted(margin, 0, -margin, 0);
    const bool followed = drawsItemsCommonly(style) && textAlone(item);
    const QTextLayout *text =
        followed && !item.text.isEmpty() ? laidOut(item, textRect.width()) : nullptr;
    if (!followed || (!item.text.isEmpty() && !text)) {
        style.drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
        return;
    }

    painter->save();
    painter->setClipRect(item.rect, Qt::IntersectClip);
    style.drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, item.widget);
    if (text) {
        painter->setPen(textColour(item));
        const QRect lines = QStyle::alignedRect(Qt::LayoutDirectionAuto, item.displayAlignment,
                                                text->boundingRect().size().toSize(), textRect);
        text->draw(painter, QPointF(textRect.x(), lines.top()));
    }
    if (item.state & QStyle::State_HasFocus)
        drawFocus(style, item, painter);
    painter->restore();
}
