// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/answer_box_accessibility.h"

#include "drill/answer_box.h"
#include "drill/blanks.h"

#include <QAccessibleWidget>
#include <QStyle>

namespace {

class AnswerBoxAccessible : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
  public:
    explicit AnswerBoxAccessible(AnswerBox &box)
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
        state.readOnly = box_.isLocked();
        state.editable = !box_.isLocked();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box_.text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override {
        if (t == QAccessible::Value && !box_.isLocked())
            box_.setText(text);
    }

    // Only a selection with something in it counts: the blank is selected
    // just so that the first digit replaces it.
    int selectionCount() const override {
        return trimBlanks(box_.selectedText()).isEmpty() ? 0 : 1;
    }
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
    QString attributes(int offset, int *startOffset, int *endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

    void deleteText(int startOffset, int endOffset) override {
        replaceText(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override {
        if (!box_.isLocked())
            box_.setText(box_.text().replace(startOffset, endOffset - startOffset, text));
    }

  private:
    AnswerBox &box_;
};

} // namespace

QAccessibleInterface *answerBoxAccessibility(const QString &className, QObject *object) {
    if (className == QLatin1String("AnswerBox"))
        return new AnswerBoxAccessible(*static_cast<AnswerBox *>(object));
    return nullptr;
}
