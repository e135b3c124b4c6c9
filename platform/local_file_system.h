// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/file_system.h"

class LocalFileSystem : public FileSystem {
  public:
    bool fileExists(const QString &path) override;
    std::optional<QByteArray> readFile(const QString &path, qsizetype maxBytes) override;
};
