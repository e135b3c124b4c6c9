// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/keys_to_front.h"

#include "platform/x_connection.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

namespace {

constexpr uint8_t sentEventBit = 0x80;

bool takesKeys(const QWindow *window) {
    if (!window || !window->isVisible())
        return false;
    const QWindow *modal = QGuiApplication::modalWindow();
    return !modal || modal == window || modal->isAncestorOf(window);
}

QWindow *windowWithId(xcb_window_t id) {
    const auto windows = QGuiApplication::allWindows();
    for (QWindow *window : windows) {
        if (window->handle() && window->winId() == id)
            return window;
    }
    return nullptr;
}

// The window with the keyboard, or else (none has it while a window closes,
// without a window manager) the one the key was sent to, if it can take keys.
QWindow *frontWindowTakingKeys(xcb_window_t sentTo) {
    if (QWindow *focus = QGuiApplication::focusWindow())
        return takesKeys(focus) ? focus : nullptr;
    QWindow *window = windowWithId(sentTo);
    return takesKeys(window) ? window : nullptr;
}

} // namespace

std::unique_ptr<KeysToTheFront> KeysToTheFront::forThisDisplay() {
    xcb_connection_t *connection = xConnection();
    return connection ? std::make_unique<KeysToTheFront>(connection) : nullptr;
}

KeysToTheFront::KeysToTheFront(xcb_connection_t *connection) : connection_(connection) {
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this] { sendOnHeldKeys(); });
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
    const auto *key = reinterpret_cast<xcb_key_press_event_t *>(event);
    // Behind held keys a key waits its turn, even when it could go now.
    if (held_.empty() && sentOn_ == 0 && frontWindowTakingKeys(key->event))
        return false;
    held_.push_back(std::make_unique<xcb_key_press_event_t>(*key));
    sendOnHeldKeys(key->event);
    return true;
}

void KeysToTheFront::sendOnHeldKeys(uint32_t sentTo) {
    const QWindow *front = frontWindowTakingKeys(sentTo);
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
