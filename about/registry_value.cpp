// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "about/registry_value.h"

#include "platform/registry.h"

#include <algorithm>
#include <stdexcept>

QByteArray keptValueBytes(const QByteArray &buffer, quint32 size) {
    if (size == 0 || size > quint32(buffer.size()))
        throw std::runtime_error("registry value size out of range");
    QByteArray kept = buffer.left(qsizetype(size));
    if (kept.endsWith('\0'))
        kept.chop(1);
    return kept;
}

std::optional<QString> registryValueText(quint32 type, const QByteArray &kept) {
    switch (type) {
    case REG_SZ:
        return QString::fromLocal8Bit(kept);
    case REG_DWORD: {
        QByteArray mostSignificantFirst = kept;
        std::reverse(mostSignificantFirst.begin(), mostSignificantFirst.end());
        return QStringLiteral("&h") + QString::fromLatin1(mostSignificantFirst.toHex().toUpper());
    }
    default:
        return std::nullopt;
    }
}
