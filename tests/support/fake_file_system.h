// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/file_system.h"

#include <QHash>
#include <QStringList>

// Files held in memory, by full path.
class FakeFileSystem : public FileSystem {
  public:
    bool fileExists(const QString &path) override {
        asked.push_back(path);
        return files.contains(path);
    }
    std::optional<QByteArray> readFile(const QString &path, qsizetype maxBytes) override {
        ++reads;
        const auto file = files.constFind(path);
        if (file == files.constEnd())
            return std::nullopt;
        return file->left(maxBytes);
    }

    QHash<QString, QByteArray> files;
    QStringList asked; // paths given to fileExists
    int reads = 0;
};
