// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "rtf/char_formatter.h"
#include "rtf/content_sink.h"
#include "rtf/group_state.h"
#include "rtf/output_budget.h"
#include "rtf/table_recorder.h"

#include <QTextCursor>

#include <optional>
#include <vector>

class QImage;

namespace rtf {

// Writes text at a cursor, in the formatting of the group it comes from. A paragraph's format
// is known only at its end, so paragraphs are closed there and the next one is opened when
// something arrives for it.
class DocumentWriter {
  public:
    // Pictures become resources of the cursor's document, named after pictureNames. Without
    // afterParagraph, the first paragraph goes into the cursor's empty block.
    DocumentWriter(QTextCursor cursor, const CharFormatter &formatter, OutputBudget &budget,
                   QString pictureNames, bool afterParagraph = false);

    void appendText(QStringView text, const GroupState &state);
    // A list item's label, as its writer showed it: it waits for its paragraph's text and
    // takes that paragraph's formatting. A label of blanks alone means none unless the
    // paragraph hangs, where its tab leads to the hanging indent.
    void appendLabel(QStringView text, const GroupState &state);
    void endParagraph(const GroupState &state);
    void endPage(const GroupState &state);
    void endCell(const GroupState &state);
    void endRow(const GroupState &state);
    // The picture must have been paid for.
    void insertPicture(const QImage &picture, QSizeF size, const GroupState &state);
    // Closes what is open; what comes after starts a paragraph of its own.
    void finish();
    // A cursor after everything written so far, past a block of the given format, while this
    // writer goes on writing before that block.
    QTextCursor splitOff(const QTextBlockFormat &format, const QTextCharFormat &markFormat);

    TableRecorder &table() { return table_; }
    OutputBudget &budget() { return budget_; }
    bool full() const { return budget_.exhausted(); }
    // Grows with every piece of visible content written.
    int contentCount() const { return contentCount_; }

  private:
    struct Formatting {
        ParagraphState paragraph;
        CharState character;
        bool operator==(const Formatting &) const = default;
    };
    struct LabelRun {
        QString text;
        CharState character;
    };

    ContentSink &sink();
    bool place(const ParagraphState &paragraph);
    bool openParagraph(const GroupState &state);
    void closeParagraph(const GroupState &state, bool pageBreak = false);
    void enterFreshBlock();
    void flushLabel(const GroupState &state);
    void flushRun();
    void drawRules(quint8 borders);
    const QTextBlockFormat &blockFormatFor(const ParagraphState &paragraph);

    QTextCursor cursor_;
    const CharFormatter &formatter_;
    OutputBudget &budget_;
    const QString pictureNames_;
    CursorSink cursorSink_{cursor_};
    TableRecorder table_{budget_, formatter_.colors()};
    QString run_;
    CharState runState_;
    std::vector<LabelRun> label_;
    bool paragraphClosed_ = false;
    bool freshBlock_ = true; // one that Qt made, with nothing in it yet
    bool breakDue_ = false;  // before the next text, after a floating picture
    qsizetype unbroken_ = 0; // characters since the last place a line may break
    // What the open paragraph was given when opened; none for one that Qt made.
    std::optional<Formatting> openedWith_;
    std::optional<GroupState> lastContent_;
    quint8 openBorders_ = 0; // of the paragraphs since the last rule
    int pictureCount_ = 0;
    int contentCount_ = 0;
    // Equal formats share their data, which keeps a recorded table small.
    std::optional<ParagraphState> lastParagraph_;
    QTextBlockFormat lastBlockFormat_;
};

} // namespace rtf
