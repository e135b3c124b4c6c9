// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/on_screen.h"

#include "platform/x_connection.h"

#include <QBackingStore>
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

void settleDrawnWindow(QWidget &widget) {
    QWidget *window = widget.window();
    QBackingStore *store = window->backingStore();
    // Never painted yet, it has nothing to settle, and no picture to begin on.
    if (!widget.isVisible() || !store || store->size().isEmpty())
        return;
    // Nothing is painted: beginning a paint is what waits.
    store->beginPaint(QRect(QPoint(), store->size()));
    store->endPaint();
}
