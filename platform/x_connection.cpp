// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/x_connection.h"

#include <QGuiApplication>

xcb_connection_t *xConnection() {
    // The offscreen platform answers for X too, but with no connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
