// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "about/help_document.h"

#include "platform/app_info.h"
#include "platform/file_system.h"
#include "rtf/rtf_reader.h"

#include <QTextDocument>

#include <stdexcept>

namespace {

// Beyond what the reader could show of any document (it stops at about 40 MB of text or
// pictures), so a larger file shows what fits, as a document cut short by the reader does.
constexpr qsizetype maxHelpDocumentBytes = 64 * 1024 * 1024;

} // namespace

QString helpDocumentPath(FileSystem &files, const QString &language) {
    const QString english = QLatin1Char('/') + appTitle() + QStringLiteral(".rtf");
    const QString folder =
        files.fileExists(programFolder() + english) ? programFolder() : dataFolder();
    const QString suffix = language.isEmpty() ? QString() : QLatin1Char('.') + language;
    return folder + QLatin1Char('/') + appTitle() + suffix + QStringLiteral(".rtf");
}

void loadHelpDocument(FileSystem &files, const QString &path, QTextDocument &document) {
    const std::optional<QByteArray> rtf = files.readFile(path, maxHelpDocumentBytes);
    if (!rtf || !readRtf(*rtf, document))
        throw std::runtime_error("the help document cannot be loaded");
}

void loadHelpDocumentIn(FileSystem &files, const QString &language, QTextDocument &document) {
    const std::optional<QByteArray> translated =
        language.isEmpty()
            ? std::nullopt
            : files.readFile(helpDocumentPath(files, language), maxHelpDocumentBytes);
    // One the reader reads as nothing (nested beyond its depth, say) would be an empty window.
    if (translated && readRtf(*translated, document) && !document.isEmpty())
        return;
    loadHelpDocument(files, helpDocumentPath(files), document);
}
