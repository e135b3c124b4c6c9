// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "about/help_document.h"

#include "platform/app_info.h"
#include "platform/file_system.h"
#include "rtf/rtf_reader.h"

#include <stdexcept>

QString helpDocumentPath(FileSystem &files) {
    const QString name = QLatin1Char('/') + appTitle() + QStringLiteral(".rtf");
    const QString beside = programFolder() + name;
    return files.fileExists(beside) ? beside : dataFolder() + name;
}

void loadHelpDocument(FileSystem &files, const QString &path, QTextDocument &document) {
    const std::optional<QByteArray> rtf = files.readFile(path);
    if (!rtf || !readRtf(*rtf, document))
        throw std::runtime_error("the help document cannot be loaded");
}
