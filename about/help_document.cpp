// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "about/help_document.h"

#include "platform/app_info.h"
#include "platform/file_system.h"
#include "rtf/rtf_reader.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <limits>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// Beyond what the reader could show of any document (it stops at about 40 MB of text or
// pictures), so a larger file shows what fits, as a document cut short by the reader does.
constexpr qsizetype maxHelpDocumentBytes = 64 * 1024 * 1024;

// Qt lays a view's document out on one endless page that it takes to end some 8.4 million
// pixels down: past that (tall pictures, vast spacing) the layout never ends.
constexpr qreal endlessPageEnd = 8'000'000;
// Half as tall leaves room for rounding.
constexpr qreal tallestLayout = 4'000'000;

// What a frame adds to the height of what it holds, and a table to each of its cells: taken for
// every cell, as if each stood in a row of its own. A frame of a height of its own may be
// any height.
qreal framesAllowance(QTextFrame &frame) {
    const QTextFrameFormat format = frame.frameFormat();
    const QTextLength height = format.height();
    if (height.type() == QTextLength::PercentageLength)
        return std::numeric_limits<qreal>::infinity();
    qreal allowance = format.topMargin() + format.bottomMargin() +
                      2 * (format.padding() + format.border()) + height.rawValue();
    if (const auto *table = qobject_cast<QTextTable *>(&frame)) {
        const QTextTableFormat tableFormat = table->format();
        const qreal eachCell =
            tableFormat.cellSpacing() + 2 * tableFormat.cellPadding() + 2 * tableFormat.border();
        for (int row = 0; row < table->rows(); ++row)
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCellFormat cell =
                    table->cellAt(row, column).format().toTableCellFormat();
                allowance += eachCell + cell.topPadding() + cell.bottomPadding() +
                             cell.topBorder() + cell.bottomBorder();
            }
    }
    for (QTextFrame *child : frame.childFrames())
        allowance += framesAllowance(*child);
    return allowance;
}

// Twice as tall as a line of the document's own font at this size would be (perPoint is its
// line spacing a point): fallback fonts for other scripts stand taller. Loading every font a
// document names to measure it would cost as much as laying the document out.
qreal lineBound(const QTextCharFormat &format, qreal perPoint, qreal documentPoints) {
    if (format.hasProperty(QTextFormat::FontPixelSize))
        return 2 * QFontMetricsF(format.font()).lineSpacing();
    const qreal points =
        format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : documentPoints;
    return 2 * perPoint * std::max(1.0, points);
}

// More than the document could take however it is laid out: every character on a line of its
// own as tall as the tallest any of its formats makes, every paragraph spaced as widely as any.
// From its formats and frames, without laying anything out.
qreal heightBound(QTextDocument &document) {
    qreal line = 0;
    qreal lineFactor = 1;
    qreal lineAdded = 0;
    qreal spacing = 0;
    const QFont font = document.defaultFont();
    const qreal points = std::max(1.0, font.pointSizeF());
    const qreal perPoint = QFontMetricsF(font).lineSpacing() / points;
    for (const QTextFormat &format : document.allFormats()) {
        if (format.isImageFormat()) {
            // Unsized, it would show at the picture's own size.
            const qreal height = format.toImageFormat().height();
            if (height <= 0)
                return std::numeric_limits<qreal>::infinity();
            line = std::max(line, height);
        } else if (format.isCharFormat()) {
            line = std::max(line, lineBound(format.toCharFormat(), perPoint, points));
        } else if (format.isBlockFormat()) {
            const QTextBlockFormat block = format.toBlockFormat();
            spacing = std::max(spacing, block.topMargin() + block.bottomMargin());
            if (block.lineHeightType() == QTextBlockFormat::ProportionalHeight)
                lineFactor = std::max(lineFactor, block.lineHeight() / 100);
            else if (block.lineHeightType() != QTextBlockFormat::SingleHeight)
                lineAdded = std::max(lineAdded, block.lineHeight());
        }
    }
    const qreal lines = document.characterCount() + document.blockCount();
    return lines * (line * lineFactor + lineAdded) + document.blockCount() * spacing +
           framesAllowance(*document.rootFrame()) + 2 * document.documentMargin();
}

// Laid out once on pages that tall, a few milliseconds when the view's own layout follows, and
// only for a document that might need it. On a copy: a view puts its document back on the
// endless page at once.
bool canBeLaidOut(QTextDocument &document, qreal width) {
    fitPicturesTo(document, width);
    if (heightBound(document) < endlessPageEnd)
        return true;
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
    if (!canBeLaidOut(document, width)) {
        // Left in the view, it would still be laid out.
        document.clear();
        throw std::runtime_error("the help document is too tall to be shown");
    }
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
