// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/answer_box.h"

#include "drill/answer_keys.h"

#include <QAction>
#include <QKeyEvent>

#include <algorithm>

AnswerBox::AnswerBox(const QString &text, QWidget *parent)
    : FaceWhenShown<QLineEdit>(text, parent) {
    // Composed input would slip past the key handler.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool AnswerBox::event(QEvent *event) {
    // A line edit claims keys such as Ctrl+X for itself; the window's menu
    // shortcuts must act whatever has the focus.
    if (event->type() == QEvent::ShortcutOverride &&
        isWindowShortcut(*static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

bool AnswerBox::isWindowShortcut(const QKeyEvent &event) const {
    const QKeySequence pressed(event.keyCombination());
    const QList<QAction *> actions = window()->findChildren<QAction *>();
    return std::any_of(actions.begin(), actions.end(), [&pressed](const QAction *action) {
        return action->isEnabled() && action->shortcut() == pressed;
    });
}

void AnswerBox::keyPressEvent(QKeyEvent *event) {
    const std::optional<int> code =
        characterCodeOf(event->key(), event->modifiers(), event->text());
    if (!code) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    int keyAscii = *code;
    if (keyPress_)
        keyPress_(keyAscii);
    if (keyAscii == 0) {
        event->accept();
        return;
    }
    // Ctrl+H is Backspace by its code, but the line edit has no use for it.
    if (keyAscii == keyBackspace && event->key() != Qt::Key_Backspace) {
        backspace();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    focusedByThisClick_ = event->reason() == Qt::MouseFocusReason;
    if (gotFocus_)
        gotFocus_();
}

void AnswerBox::mousePressEvent(QMouseEvent *event) {
    // The click that brings the focus would otherwise undo the selection the
    // focus handler just made.
    if (focusedByThisClick_) {
        focusedByThisClick_ = false;
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void AnswerBox::hideEvent(QHideEvent *event) {
    // Left focused while hidden, the box would keep taking (and beeping at)
    // the keys pressed between games.
    if (hasFocus())
        clearFocus();
    QLineEdit::hideEvent(event);
}
