// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/on_screen.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

void putOnScreenNow(QWidget &widget) {
    if (!widget.isVisible())
        return;
    // Paints and hands the picture to the display server before returning.
    widget.repaint();
    // The server handles requests in order: its answer to this one means it
    // has drawn the picture sent before.
    // The offscreen platform answers for X too, but with no connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t *connection = x11 ? x11->connection() : nullptr) {
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
}
