// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/line_edit_accessibility.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QStyle>

namespace {

class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
  public:
    explicit LineEditAccessible(QLineEdit &box)
        : QAccessibleWidget(&box, QAccessible::EditableText), box_(box) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box_.isReadOnly();
        state.editable = !box_.isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box_.text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override {
        if (t == QAccessible::Value && !box_.isReadOnly())
            box_.setText(text);
    }

    // Only a selection with something in it counts.
    int selectionCount() const override { return box_.selectedText().trimmed().isEmpty() ? 0 : 1; }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && selectionCount() == 1) {
            *startOffset = int(box_.selectionStart());
            *endOffset = int(box_.selectionEnd());
        }
    }
    void addSelection(int startOffset, int endOffset) override {
        box_.setSelection(startOffset, endOffset - startOffset);
    }
    void removeSelection(int) override { box_.deselect(); }
    void setSelection(int, int startOffset, int endOffset) override {
        addSelection(startOffset, endOffset);
    }

    int cursorPosition() const override { return box_.cursorPosition(); }
    void setCursorPosition(int position) override { box_.setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override {
        return box_.text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box_.text().size()); }

    QRect characterRect(int offset) const override {
        const QString text = box_.text();
        if (offset < 0 || offset >= text.size())
            return {};
        const QFontMetrics metrics = box_.fontMetrics();
        const QRect line = QStyle::alignedRect(
            box_.layoutDirection(), box_.alignment(),
            QSize(metrics.horizontalAdvance(text), metrics.height()), box_.contentsRect());
        const QRect character(line.left() + metrics.horizontalAdvance(text.left(offset)),
                              line.top(), metrics.horizontalAdvance(text.at(offset)),
                              line.height());
        return character.translated(box_.mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint &point) const override {
        for (int offset = 0; offset < characterCount(); ++offset)
            if (characterRect(offset).contains(point))
                return offset;
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    // One run of no attributes over the whole text; an empty run at the
    // offset is what loses the screen reader the last character.
    QString attributes(int, int *startOffset, int *endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    void deleteText(int startOffset, int endOffset) override {
        replaceText(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override {
        if (!box_.isReadOnly())
            box_.setText(box_.text().replace(startOffset, endOffset - startOffset, text));
    }

  private:
    QLineEdit &box_;
};

QAccessibleInterface *lineEditAccessibility(const QString &className, QObject *object) {
    if (className == QLatin1String("QLineEdit"))
        return new LineEditAccessible(*static_cast<QLineEdit *>(object));
    return nullptr;
}

} // namespace

void installLineEditAccessibility() {
    QAccessible::installFactory(lineEditAccessibility);
}
