#pragma once

#include "rtf/content_sink.h"
#include "rtf/output_budget.h"

#include <QList>

#include <vector>

namespace rtf {

// Collects a table's content cell by cell and writes the whole table when it ends: growing a
// QTextTable row by row costs time in proportion to its size at every row.
class TableRecorder final : public ContentSink {
  public:
    // Cells are paid for from the budget; once it has run out, nothing more is recorded.
    explicit TableRecorder(OutputBudget &budget) : budget_(budget) {}

    // The row definition: \trowd clears it, each \cellx adds a cell's right edge.
    void clearRowDefinition() { cellEdges_.clear(); }
    void addCellEdge(int twips);

    bool active() const { return active_; }
    bool rowEnded() const { return rowEnded_; }

    // begin() and startRow() return false when the budget has run out.
    bool begin();
    bool startRow();
    // A cell exists once something is written to it, so a row's closing \cell adds none.
    void nextCell();
    void endRow() { rowEnded_ = true; }
    // Writes the table at the cursor and leaves the cursor after it.
    void finish(QTextCursor &cursor);

    void insertText(const QString &text, const QTextCharFormat &format) override;
    void insertBlock(const QTextBlockFormat &format, const QTextCharFormat &markFormat) override;
    void formatParagraph(const QTextBlockFormat &format,
                         const QTextCharFormat &markFormat) override;
    void insertImage(const QTextImageFormat &format) override;

  private:
    enum class StepKind { Text, Block, ParagraphFormat, Image, NextCell, NextRow };
    struct Step {
        StepKind kind;
        QString text;
        QTextFormat format;
        QTextFormat markFormat;
    };

    bool reserveColumns(int columns);
    void record(Step step);

    OutputBudget &budget_;
    std::vector<Step> steps_;
    QList<int> cellEdges_;
    QList<int> tableEdges_; // the first row's, which set the column widths
    int rows_ = 0;
    int columns_ = 0;
    int column_ = 0;
    bool active_ = false;
    bool rowEnded_ = false;
};

} // namespace rtf
