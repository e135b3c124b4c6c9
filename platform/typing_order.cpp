// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/typing_order.h"

#include "platform/keys_to_front.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QShortcutEvent>

namespace {

// As the toolkit's delayed click would, but now: a check box or option button
// takes the focus first.
bool clickNow(QAbstractButton &button) {
    if (!button.isEnabled())
        return false;
    if (button.isCheckable() && (button.focusPolicy() & Qt::ClickFocus))
        button.setFocus(Qt::ShortcutFocusReason);
    button.click();
    return true;
}

bool isOwnAccessKey(const QAbstractButton &button, const QShortcutEvent &event) {
    return !event.isAmbiguous() && event.key() == button.shortcut();
}

// A message box answers its buttons' letters typed without Alt.
QAbstractButton *letterButton(const QMessageBox &box, const QKeyEvent &event) {
    if (event.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return nullptr;
    const auto buttons = box.buttons();
    for (QAbstractButton *button : buttons) {
        const QKeySequence key = button->shortcut();
        if (!key.isEmpty() && key[0].key() == event.key())
            return button;
    }
    return nullptr;
}

} // namespace

TypingOrder::TypingOrder(QObject *parent)
    : QObject(parent), keysToTheFront_(KeysToTheFront::forThisDisplay()) {}

TypingOrder::~TypingOrder() = default;

bool TypingOrder::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Shortcut) {
        auto *button = qobject_cast<QAbstractButton *>(watched);
        const auto &shortcut = *static_cast<QShortcutEvent *>(event);
        if (button && isOwnAccessKey(*button, shortcut)) {
            if (shortcut.key()[0].keyboardModifiers() & Qt::AltModifier) {
                altUsedByAccessKey_ = true;
                // The menu bar watches the application from Alt's press on;
                // this filter must see the release first.
                qApp->removeEventFilter(this);
                qApp->installEventFilter(this);
            }
            return clickNow(*button);
        }
    } else if (event->type() == QEvent::KeyRelease && altUsedByAccessKey_ &&
               static_cast<QKeyEvent *>(event)->key() == Qt::Key_Alt) {
        altUsedByAccessKey_ = false;
        return true;
    } else if (event->type() == QEvent::KeyPress) {
        if (const auto *box = qobject_cast<QMessageBox *>(watched)) {
            if (QAbstractButton *button = letterButton(*box, *static_cast<QKeyEvent *>(event))) {
                event->accept();
                return clickNow(*button);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
