// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The few questions the program asks of the file system.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // True for an ordinary file: not a folder, not a hidden file.
    virtual bool fileExists(const QString &path) = 0;
    // The first maxBytes of an ordinary file, without waiting for anything: nothing when the
    // file is missing, cannot be read or is not an ordinary file (a folder, a pipe, a device).
    virtual std::optional<QByteArray> readFile(const QString &path, qsizetype maxBytes) = 0;
};
