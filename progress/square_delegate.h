// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QFont>
#include <QString>
#include <QStyledItemDelegate>
#include <QTextLayout>

#include <memory>
#include <unordered_map>

// Draws a grid's squares exactly as the toolkit's own styles draw an item,
// but lays each distinct text out once: shaping and eliding every square's
// text again at each paint was most of the time the Progress window took to
// appear, for a few dozen short texts. Whatever that drawing does not cover
// (a text that would be cut short, an icon, a style that draws items its own
// way) is left to the base delegate.
class SquareDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

  private:
    struct Key {
        QString text;
        QFont font;
        int width;
        int alignment;
        Qt::LayoutDirection direction;
        bool operator==(const Key &) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key &key) const;
    };

    // The text laid out in one line `width` wide, or null when it does not fit.
    const QTextLayout *laidOut(const QStyleOptionViewItem &item, int width) const;

    mutable std::unordered_map<Key, std::unique_ptr<QTextLayout>, KeyHash> layouts_;
};
