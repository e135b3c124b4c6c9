// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "rtf/borders.h"
#include "rtf/color_table.h"
#include "rtf/content_sink.h"
#include "rtf/output_budget.h"

#include <QList>

#include <array>
#include <memory>
#include <vector>

class QTextTable;

namespace rtf {

// Collects a table's content cell by cell and writes the whole table when it ends: growing a
// QTextTable row by row costs time in proportion to its size at every row. Columns come from
// the cell edges of every row, so that a cell spans the columns between its edges.
class TableRecorder final : public ContentSink {
  public:
    // Cells are paid for from the budget; once it has run out, nothing more is recorded.
    TableRecorder(OutputBudget &budget, const ColorTable &colors)
        : budget_(budget), colors_(colors) {}

    // The row definition: \trowd clears it, cell words describe the next cell and each \cellx
    // ends that cell's description with its right edge.
    void clearRowDefinition();
    void addCellEdge(int twips);
    // A word of the row definition; false when it is not one.
    bool applyWord(Keyword keyword, const Token &token);
    // The side that a border word names, which the words after it describe; null for none.
    Border *border(Keyword side);

    bool active() const { return active_; }
    // From \trowd to \row, what comes belongs to the row even without \intbl.
    bool rowDefined() const { return rowDefined_; }
    bool rowEnded() const { return rowEnded_; }

    // begin() and startRow() return false when the budget has run out.
    bool begin();
    bool startRow();
    // A cell exists once something is written to it, so a row's closing \cell adds none.
    void nextCell();
    void endRow();
    // Writes the table at the cursor and leaves the cursor after it.
    void finish(QTextCursor &cursor);

    void insertText(const QString &text, const QTextCharFormat &format) override;
    void insertBlock(const QTextBlockFormat &format, const QTextCharFormat &markFormat) override;
    void formatParagraph(const QTextBlockFormat &format,
                         const QTextCharFormat &markFormat) override;
    void insertImage(const QTextImageFormat &format) override;

  private:
    enum Side { Top, Bottom, Left, Right, InsideH, InsideV };
    enum class Merge : quint8 { None, First, Merged };
    struct CellDefinition {
        int right = 0;
        std::array<Border, 4> borders;
        std::array<int, 4> padding{};
        std::array<int, 4> paddingUnit{};
        Shading shading;
        Qt::Alignment verticalAlignment = Qt::AlignTop;
        Merge horizontal = Merge::None;
        Merge vertical = Merge::None;
        bool operator==(const CellDefinition &) const = default;
    };
    struct RowDefinition {
        int left = 0;
        int gap = 0;
        std::array<int, 4> padding{};
        std::array<int, 4> paddingUnit{};
        std::array<Border, 6> borders; // the sides, then inside horizontal and vertical
        Qt::Alignment alignment = Qt::AlignLeft;
        Qt::LayoutDirection direction = Qt::LayoutDirectionAuto;
        QList<CellDefinition> cells;
        bool operator==(const RowDefinition &) const = default;
    };
    struct Row {
        std::shared_ptr<const RowDefinition> definition;
        int cells = 0; // written, which may be more than defined
    };
    struct Placed { // where an RTF cell lands in the grid
        int row = 0;
        int column = 0;
        int rows = 1;
        int columns = 1;
        bool covered = false;
        const CellDefinition *definition = nullptr;
        const RowDefinition *rowDefinition = nullptr;
    };
    enum class StepKind { Text, Block, ParagraphFormat, Image, NextCell, NextRow };
    struct Step {
        StepKind kind;
        QString text;
        QTextFormat format;
        QTextFormat markFormat;
    };

    bool reserveColumns(int columns);
    void record(Step step);
    void keepRowDefinition();
    std::vector<std::vector<Placed>> layOut(QList<QTextLength> &widths, int &left);
    static void joinMergedCells(std::vector<std::vector<Placed>> &placed);
    void merge(QTextTable &table, std::vector<std::vector<Placed>> &placed);
    QTextTableCellFormat cellFormat(const Placed &cell, int rows, int columns) const;
    static void replay(QTextTable &table, QTextCursor &cursor,
                       const std::vector<std::vector<Placed>> &placed,
                       const std::vector<Step> &steps);

    OutputBudget &budget_;
    const ColorTable &colors_;
    std::vector<Step> steps_;
    RowDefinition definition_;
    CellDefinition pendingCell_;
    std::shared_ptr<const RowDefinition> kept_; // the last row's, shared while it holds
    std::vector<Row> rows_;
    int columns_ = 0; // paid for in every row
    int column_ = 0;
    bool active_ = false;
    bool rowEnded_ = false;
    bool rowDefined_ = false;
};

} // namespace rtf
