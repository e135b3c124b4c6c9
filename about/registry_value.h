// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// How the launcher turns a registry value into text.

inline constexpr quint32 registryBufferSize = 1024;

// The first size bytes of the read buffer, less one terminating zero if the
// last of them is zero. A value of size 0 (or one the buffer cannot hold)
// cannot be handled: std::runtime_error.
QByteArray keptValueBytes(const QByteArray &buffer, quint32 size);

// REG_SZ as text; REG_DWORD as "&h" and two hex digits per kept byte, most
// significant first; nothing for any other type.
std::optional<QString> registryValueText(quint32 type, const QByteArray &kept);
