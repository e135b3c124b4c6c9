// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>
#include <deque>
#include <memory>

struct xcb_connection_t;
struct xcb_key_press_event_t;
class QWindow;

// On X, a key goes to the window that had the keyboard when it was typed. One
// typed while a window opens or closes would reach a window that can no longer
// take it, and be lost; this holds such keys and sends them on, in order, to
// the window in front once it has the keyboard.
class KeysToTheFront : public QObject, public QAbstractNativeEventFilter {
  public:
    // Nothing when the program is not on X.
    static std::unique_ptr<KeysToTheFront> forThisDisplay();

    explicit KeysToTheFront(xcb_connection_t *connection);
    ~KeysToTheFront() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override;

  private:
    // To the window in front; `sentTo` is where the server sent the last key.
    void sendOnHeldKeys(uint32_t sentTo = 0);

    xcb_connection_t *connection_;
    std::deque<std::unique_ptr<xcb_key_press_event_t>> held_;
    int sentOn_ = 0; // on their way back from the server
};
