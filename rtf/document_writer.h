#pragma once

#include "rtf/char_formatter.h"
#include "rtf/content_sink.h"
#include "rtf/group_state.h"
#include "rtf/output_budget.h"
#include "rtf/table_recorder.h"

#include <QTextCursor>

#include <optional>

class QImage;
class QTextDocument;

namespace rtf {

// Writes the body text into the document, in the formatting of the group it comes from.
// A paragraph's format is known only at its end, so paragraphs are closed there and the next
// one is opened when something arrives for it.
class DocumentWriter {
  public:
    DocumentWriter(QTextDocument &document, const CharFormatter &formatter);

    void appendText(QStringView text, const GroupState &state);
    void endParagraph(const GroupState &state);
    void endPage(const GroupState &state);
    void endCell(const GroupState &state);
    void endRow(const GroupState &state);
    // The picture must have been paid for with reservePicture().
    void insertPicture(const QImage &picture, QSizeF size, const GroupState &state);
    void finish();

    TableRecorder &table() { return table_; }
    bool reservePicture(qint64 bytes) { return budget_.trySpend(bytes); }
    bool full() const { return budget_.exhausted(); }

  private:
    struct Formatting {
        ParagraphState paragraph;
        CharState character;
        bool operator==(const Formatting &) const = default;
    };

    ContentSink &sink();
    bool place(const ParagraphState &paragraph);
    bool openParagraph(const GroupState &state);
    void closeParagraph(const GroupState &state, bool pageBreak = false);
    void flushRun();
    const QTextBlockFormat &blockFormatFor(const ParagraphState &paragraph);

    QTextDocument &document_;
    const CharFormatter &formatter_;
    QTextCursor cursor_;
    CursorSink cursorSink_{cursor_};
    OutputBudget budget_;
    TableRecorder table_{budget_};
    QString run_;
    CharState runState_;
    bool paragraphClosed_ = false;
    // What the open paragraph was given when opened; none for one that Qt made.
    std::optional<Formatting> openedWith_;
    std::optional<GroupState> lastContent_;
    int pictureCount_ = 0;
    // Equal formats share their data, which keeps a recorded table small.
    ParagraphState lastParagraph_;
    QTextBlockFormat lastBlockFormat_ = blockFormat(lastParagraph_);
};

} // namespace rtf
