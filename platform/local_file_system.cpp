// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/local_file_system.h"

#include <QFile>
#include <QFileInfo>

bool LocalFileSystem::fileExists(const QString &path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

std::optional<QByteArray> LocalFileSystem::readFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}
