// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/on_screen.h"

#include "platform/x_connection.h"

#include <QCoreApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

void putOnScreenNow(QWidget &widget) {
    if (!widget.isVisible())
        return;
    // Paints what is waiting to be painted in the window and hands the picture
    // to the display server before returning.
    QCoreApplication::sendPostedEvents(widget.window(), QEvent::UpdateRequest);
    // The server handles requests in order: its answer to this one means it
    // has drawn the picture sent before.
    if (xcb_connection_t *connection = xConnection())
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}
