// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QTextCursor>
#include <QTextFormat>

namespace rtf {

// Where the document writer puts paragraphs: the document itself, or a table being recorded.
// A paragraph mark's character format sets the height of an empty paragraph.
class ContentSink {
  public:
    virtual ~ContentSink() = default;
    virtual void insertText(const QString &text, const QTextCharFormat &format) = 0;
    virtual void insertBlock(const QTextBlockFormat &format, const QTextCharFormat &markFormat) = 0;
    virtual void formatParagraph(const QTextBlockFormat &format,
                                 const QTextCharFormat &markFormat) = 0;
    virtual void insertImage(const QTextImageFormat &format) = 0;
};

class CursorSink final : public ContentSink {
  public:
    explicit CursorSink(QTextCursor &cursor) : cursor_(cursor) {}

    void insertText(const QString &text, const QTextCharFormat &format) override {
        cursor_.insertText(text, format);
    }
    void insertBlock(const QTextBlockFormat &format, const QTextCharFormat &markFormat) override {
        cursor_.insertBlock(format, markFormat);
    }
    void formatParagraph(const QTextBlockFormat &format,
                         const QTextCharFormat &markFormat) override {
        cursor_.setBlockFormat(format);
        cursor_.setBlockCharFormat(markFormat);
    }
    void insertImage(const QTextImageFormat &format) override { cursor_.insertImage(format); }

  private:
    QTextCursor &cursor_;
};

} // namespace rtf
