// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/keys_to_front.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

namespace {

constexpr uint8_t sentEventBit = 0x80;

// The window in front when it can take keys: it has the keyboard and no modal
// window stands before it.
QWindow *frontWindowTakingKeys() {
    QWindow *front = QGuiApplication::focusWindow();
    if (!front || !front->isVisible())
        return nullptr;
    const QWindow *modal = QGuiApplication::modalWindow();
    if (modal && modal != front && !modal->isAncestorOf(front))
        return nullptr;
    return front;
}

} // namespace

std::unique_ptr<KeysToTheFront> KeysToTheFront::forThisDisplay() {
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    return connection ? std::make_unique<KeysToTheFront>(connection) : nullptr;
}

KeysToTheFront::KeysToTheFront(xcb_connection_t *connection) : connection_(connection) {
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &KeysToTheFront::sendOnHeldKeys);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

KeysToTheFront::~KeysToTheFront() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool KeysToTheFront::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (eventType != "xcb_generic_event_t")
        return false;
    auto *event = static_cast<xcb_generic_event_t *>(message);
    const uint8_t type = event->response_type & ~sentEventBit;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    if (event->response_type & sentEventBit) {
        sentOn_ = std::max(0, sentOn_ - 1);
        return false;
    }
    // Behind held keys a key waits its turn, even when it could go now.
    if (held_.empty() && sentOn_ == 0 && frontWindowTakingKeys())
        return false;
    held_.push_back(
        std::make_unique<xcb_key_press_event_t>(*reinterpret_cast<xcb_key_press_event_t *>(event)));
    sendOnHeldKeys();
    return true;
}

void KeysToTheFront::sendOnHeldKeys() {
    const QWindow *front = frontWindowTakingKeys();
    if (!front || held_.empty())
        return;
    for (const auto &key : held_) {
        key->event = xcb_window_t(front->winId());
        key->child = XCB_NONE;
        xcb_send_event(connection_, false, key->event, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(key.get()));
        ++sentOn_;
    }
    held_.clear();
    xcb_flush(connection_);
}
