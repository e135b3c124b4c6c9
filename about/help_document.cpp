// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "about/help_document.h"

#include "platform/app_info.h"
#include "platform/file_system.h"
#include "rtf/rtf_reader.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// Beyond what the reader could show of any document (it stops at about 40 MB of text or
// pictures), so a larger file shows what fits, as a document cut short by the reader does.
constexpr qsizetype maxHelpDocumentBytes = 64 * 1024 * 1024;

// Qt lays a view's document out on one endless page that it takes to end some 8.4 million
// pixels down: past that (tall pictures, vast spacing) the layout never ends. Half as tall
// leaves room for rounding.
constexpr qreal tallestLayout = 4'000'000;

// Laid out once on pages that tall, a few milliseconds when the view's own layout follows. On a
// copy: a view puts its document back on the endless page at once.
bool canBeLaidOut(QTextDocument &document, qreal width) {
    fitPicturesTo(document, width);
    const std::unique_ptr<QTextDocument> paged(document.clone());
    paged->setPageSize({width, tallestLayout});
    paged->documentLayout()->documentSize();
    return paged->pageCount() == 1;
}

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

void loadHelpDocumentIn(FileSystem &files, const QString &language, QTextDocument &document,
                        qreal width) {
    const std::optional<QByteArray> translated =
        language.isEmpty()
            ? std::nullopt
            : files.readFile(helpDocumentPath(files, language), maxHelpDocumentBytes);
    // One the reader reads as nothing (nested beyond its depth, say) would be an empty window.
    if (translated && readRtf(*translated, document) && !document.isEmpty() &&
        canBeLaidOut(document, width))
        return;
    loadHelpDocument(files, helpDocumentPath(files), document);
    if (!canBeLaidOut(document, width))
        throw std::runtime_error("the help document is too tall to be shown");
}

void fitPicturesTo(QTextDocument &document, qreal width) {
    // The size the document gave, kept with the picture so that it can grow back.
    constexpr int givenSize = QTextFormat::UserProperty;
    const auto sizeOf = [](const QTextImageFormat &picture) {
        return picture.hasProperty(givenSize) ? picture.property(givenSize).toSizeF()
                                              : QSizeF(picture.width(), picture.height());
    };
    // Changing a format while walking the fragments would merge the fragments under the walk.
    std::vector<QTextFragment> changed;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat picture = it.fragment().charFormat().toImageFormat();
            if (picture.isValid() && picture.width() != std::min(sizeOf(picture).width(), width))
                changed.push_back(it.fragment());
        }
    }
    QTextCursor cursor(&document);
    for (const QTextFragment &fragment : changed) {
        QTextImageFormat picture = fragment.charFormat().toImageFormat();
        const QSizeF given = sizeOf(picture);
        const qreal shown = std::min(given.width(), width);
        picture.setProperty(givenSize, given);
        picture.setWidth(shown);
        picture.setHeight(given.height() * shown / given.width());
        cursor.setPosition(fragment.position());
        cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture);
    }
}
