#include "rtf/table_recorder.h"

#include "rtf/units.h"

#include <QTextTable>

#include <algorithm>
#include <utility>

namespace rtf {
namespace {

constexpr int kMaxColumns = 63; // as many as word processors allow
constexpr int kMaxEdgeTwips = 31680;
constexpr qint64 kCellCost = 600; // the cell, and its steps until the table is written
constexpr qreal kCellPadding = 4;

QTextTableFormat tableFormat(const QList<int> &edges) {
    QTextTableFormat format;
    format.setBorderCollapse(true);
    format.setCellPadding(kCellPadding);
    format.setCellSpacing(0);
    QList<QTextLength> widths;
    int left = 0;
    for (int edge : edges) {
        widths.append(edge > left
                          ? QTextLength(QTextLength::FixedLength, twipsToPixels(edge - left))
                          : QTextLength());
        left = std::max(left, edge);
    }
    format.setColumnWidthConstraints(widths);
    return format;
}

// Each cell starts as one block and is written in order, so the next cell begins at the block
// after the cursor's. (Finding a cell by its row and column would cost a pass over the table.)
void advanceCells(QTextCursor &cursor, int cells) {
    for (int i = 0; i < cells && cursor.block().next().isValid(); ++i)
        cursor.setPosition(cursor.block().next().position());
}

} // namespace

void TableRecorder::addCellEdge(int twips) {
    if (cellEdges_.size() < kMaxColumns)
        cellEdges_.append(std::clamp(twips, 0, kMaxEdgeTwips));
}

bool TableRecorder::begin() {
    steps_.clear();
    tableEdges_ = cellEdges_;
    rows_ = 0;
    columns_ = 0;
    active_ = true;
    return startRow();
}

bool TableRecorder::startRow() {
    if (!budget_.spend(columns_ * kCellCost))
        return false;
    if (rows_ > 0)
        steps_.push_back({StepKind::NextRow, {}, {}, {}});
    ++rows_;
    column_ = 0;
    rowEnded_ = false;
    return reserveColumns(std::max<int>(1, cellEdges_.size()));
}

// Cells beyond the widest row possible share its last cell.
void TableRecorder::nextCell() {
    if (column_ + 1 >= kMaxColumns)
        return;
    ++column_;
    steps_.push_back({StepKind::NextCell, {}, {}, {}});
}

void TableRecorder::finish(QTextCursor &cursor) {
    active_ = false;
    rowEnded_ = false;
    const std::vector<Step> steps = std::exchange(steps_, {});
    // Without a column the budget ran out before anything was recorded.
    QTextTable *table =
        columns_ > 0 ? cursor.insertTable(rows_, columns_, tableFormat(tableEdges_)) : nullptr;
    if (!table)
        return;
    int column = 0;
    for (const Step &step : steps) {
        switch (step.kind) {
        case StepKind::Text:
            cursor.insertText(step.text, step.format.toCharFormat());
            break;
        case StepKind::Block:
            cursor.insertBlock(step.format.toBlockFormat(), step.markFormat.toCharFormat());
            break;
        case StepKind::ParagraphFormat:
            cursor.setBlockFormat(step.format.toBlockFormat());
            cursor.setBlockCharFormat(step.markFormat.toCharFormat());
            break;
        case StepKind::Image:
            cursor.insertImage(step.format.toImageFormat());
            break;
        case StepKind::NextCell:
            // A row's closing \cell leads to a cell that exists only if something follows.
            if (column + 1 < columns_) {
                advanceCells(cursor, 1);
                ++column;
            }
            break;
        case StepKind::NextRow:
            advanceCells(cursor, columns_ - column);
            column = 0;
            break;
        }
    }
    cursor.setPosition(table->lastPosition() + 1);
}

void TableRecorder::insertText(const QString &text, const QTextCharFormat &format) {
    record({StepKind::Text, text, format, {}});
}

void TableRecorder::insertBlock(const QTextBlockFormat &format, const QTextCharFormat &markFormat) {
    record({StepKind::Block, {}, format, markFormat});
}

void TableRecorder::formatParagraph(const QTextBlockFormat &format,
                                    const QTextCharFormat &markFormat) {
    record({StepKind::ParagraphFormat, {}, format, markFormat});
}

void TableRecorder::insertImage(const QTextImageFormat &format) {
    record({StepKind::Image, {}, format, {}});
}

// Widening a table pays for the new column in every row so far.
bool TableRecorder::reserveColumns(int columns) {
    const int wanted = std::min(columns, kMaxColumns);
    if (wanted <= columns_)
        return true;
    if (!budget_.spend(qint64(wanted - columns_) * rows_ * kCellCost))
        return false;
    columns_ = wanted;
    return true;
}

void TableRecorder::record(Step step) {
    if (reserveColumns(column_ + 1))
        steps_.push_back(std::move(step));
}

} // namespace rtf
