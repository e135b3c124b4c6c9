// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Shows what the help reader makes of an RTF file, for comparing it with other readers:
//   rtf_render FILE               the text, a paragraph or table cell a line
//   rtf_render --pictures FILE    how many pictures are shown
//   rtf_render --png OUT FILE     the document laid out WIDTH pixels wide (--width WIDTH, 643)
//   rtf_render --cost FILE        CPU time of the reading and how much it raised peak memory

#include "rtf/rtf_reader.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdio>
#include <ctime>

namespace {

int usage() {
    std::fputs("usage: rtf_render [--pictures | --cost | --png OUT [--width PIXELS]] FILE\n",
               stderr);
    return 2;
}

QString textOf(const QTextDocument &document) {
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines << block.text().remove(QChar::ObjectReplacementCharacter);
    return lines.join('\n') + '\n';
}

int pictureCount(const QTextDocument &document) {
    int count = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            count += it.fragment().charFormat().isImageFormat();
    }
    return count;
}

bool writePng(QTextDocument &document, const QString &path, int width) {
    document.setTextWidth(width);
    const QSize size = document.documentLayout()->documentSize().toSize();
    QImage image(size.expandedTo({1, 1}), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    document.drawContents(&painter);
    painter.end();
    return image.save(path, "png");
}

double cpuSeconds() {
    return double(std::clock()) / CLOCKS_PER_SEC;
}

long statusKiB(const char *field) {
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Writing 5 to clear_refs resets the peak resident size.
void resetPeak() {
    QFile clearRefs("/proc/self/clear_refs");
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString mode = "text";
    QString png;
    int width = 643;
    while (args.size() > 1) {
        const QString option = args.takeFirst();
        if (option == "--pictures" || option == "--cost")
            mode = option.mid(2);
        else if (option == "--png" && args.size() > 1)
            mode = "png", png = args.takeFirst();
        else if (option == "--width" && args.size() > 1)
            width = args.takeFirst().toInt();
        else
            return usage();
    }
    if (args.size() != 1 || width <= 0)
        return usage();
    QFile file(args.first());
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args.first()));
        return 1;
    }
    const QByteArray rtf = file.readAll();
    QTextDocument document;
    resetPeak();
    const long residentBefore = statusKiB("VmRSS:");
    const double start = cpuSeconds();
    if (!readRtf(rtf, document)) {
        std::fprintf(stderr, "%s is not RTF\n", qPrintable(args.first()));
        return 1;
    }
    const double seconds = cpuSeconds() - start;
    if (mode == "pictures")
        std::printf("%d\n", pictureCount(document));
    else if (mode == "cost")
        std::printf("%.1f ms %ld KiB\n", seconds * 1000, statusKiB("VmHWM:") - residentBefore);
    else if (mode == "png")
        return writePng(document, png, width) ? 0 : 1;
    else
        std::fputs(textOf(document).toUtf8().constData(), stdout);
    return 0;
}
