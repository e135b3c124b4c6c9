// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/table_recorder.h"

#include "rtf/units.h"

#include <QTextTable>

#include <algorithm>
#include <utility>

namespace rtf {
namespace {

constexpr int kMaxColumns = 63; // as many as word processors allow
constexpr int kMaxTwips = 31680;
constexpr int kTwipsUnit = 3; // of \clpadf and \trpaddf; any other unit leaves the padding unset
constexpr qint64 kCellCost = 600;       // the cell, and its steps until the table is written
constexpr qint64 kDefinitionCost = 150; // each cell of a row definition that rows do not share
// Qt goes through the whole table for each merge.
constexpr qint64 kMergeCostPerCell = 1;
// Edges this close belong to one column boundary: writers round differently from row to row.
constexpr int kSnapTwips = 30;

// The side a padding word names by its last letter: \clpadl, \trpaddft, ...
int sideOf(QByteArrayView word) {
    switch (word.back()) {
    case 't':
        return 0;
    case 'b':
        return 1;
    case 'l':
        return 2;
    default:
        return 3;
    }
}

// Each cell starts as one block and is written in order, so the next cell begins at the block
// after the cursor's. (Finding a cell by its row and column would cost a pass over the table.)
void advanceCells(QTextCursor &cursor, int cells) {
    for (int i = 0; i < cells && cursor.block().next().isValid(); ++i)
        cursor.setPosition(cursor.block().next().position());
}

// A cell's first paragraph mark holds the cell's merge, which a new mark format must keep.
QTextCharFormat keepingSpans(QTextCharFormat mark, const QTextCursor &cursor) {
    const QTextCharFormat old = cursor.blockCharFormat();
    for (const int span : {QTextFormat::TableCellRowSpan, QTextFormat::TableCellColumnSpan}) {
        if (old.hasProperty(span))
            mark.setProperty(span, old.property(span));
    }
    return mark;
}

} // namespace

void TableRecorder::clearRowDefinition() {
    definition_ = {};
    pendingCell_ = {};
    rowDefined_ = true;
}

void TableRecorder::addCellEdge(int twips) {
    if (definition_.cells.size() >= kMaxColumns)
        return;
    pendingCell_.right = std::clamp(twips, -kMaxTwips, kMaxTwips);
    definition_.cells.append(std::exchange(pendingCell_, {}));
}

bool TableRecorder::applyWord(Keyword keyword, const Token &token) {
    if (applyShadingWord(pendingCell_.shading, Keyword::CellShadingBack,
                         Keyword::CellShadingPattern, Keyword::CellShading, keyword, token))
        return true;
    const int twips = std::clamp(token.parameter, -kMaxTwips, kMaxTwips);
    switch (keyword) {
    case Keyword::RowLeft:
        definition_.left = twips;
        break;
    case Keyword::RowGap:
        definition_.gap = std::max(twips, 0);
        break;
    case Keyword::RowPadding:
        definition_.padding[sideOf(token.text)] = std::max(twips, 0);
        break;
    case Keyword::RowPaddingUnit:
        definition_.paddingUnit[sideOf(token.text)] = token.parameter;
        break;
    case Keyword::CellPadding:
        pendingCell_.padding[sideOf(token.text)] = std::max(twips, 0);
        break;
    case Keyword::CellPaddingUnit:
        pendingCell_.paddingUnit[sideOf(token.text)] = token.parameter;
        break;
    case Keyword::RowAlignLeft:
        definition_.alignment = Qt::AlignLeft;
        break;
    case Keyword::RowAlignCenter:
        definition_.alignment = Qt::AlignHCenter;
        break;
    case Keyword::RowAlignRight:
        definition_.alignment = Qt::AlignRight;
        break;
    case Keyword::RightToLeftRow:
        definition_.direction = Qt::RightToLeft;
        break;
    case Keyword::LeftToRightRow:
        definition_.direction = Qt::LeftToRight;
        break;
    case Keyword::CellMergeFirst:
        pendingCell_.horizontal = Merge::First;
        break;
    case Keyword::CellMerged:
        pendingCell_.horizontal = Merge::Merged;
        break;
    case Keyword::CellVerticalMergeFirst:
        pendingCell_.vertical = Merge::First;
        break;
    case Keyword::CellVerticalMerged:
        pendingCell_.vertical = Merge::Merged;
        break;
    case Keyword::CellAlignTop:
        pendingCell_.verticalAlignment = Qt::AlignTop;
        break;
    case Keyword::CellAlignMiddle:
        pendingCell_.verticalAlignment = Qt::AlignVCenter;
        break;
    case Keyword::CellAlignBottom:
        pendingCell_.verticalAlignment = Qt::AlignBottom;
        break;
    default:
        return false;
    }
    return true;
}

Border *TableRecorder::border(Keyword side) {
    Border *border = nullptr;
    switch (side) {
    case Keyword::CellBorderTop:
        border = &pendingCell_.borders[Top];
        break;
    case Keyword::CellBorderBottom:
        border = &pendingCell_.borders[Bottom];
        break;
    case Keyword::CellBorderLeft:
        border = &pendingCell_.borders[Left];
        break;
    case Keyword::CellBorderRight:
        border = &pendingCell_.borders[Right];
        break;
    case Keyword::RowBorderTop:
        border = &definition_.borders[Top];
        break;
    case Keyword::RowBorderBottom:
        border = &definition_.borders[Bottom];
        break;
    case Keyword::RowBorderLeft:
        border = &definition_.borders[Left];
        break;
    case Keyword::RowBorderRight:
        border = &definition_.borders[Right];
        break;
    case Keyword::RowBorderInsideH:
        border = &definition_.borders[InsideH];
        break;
    case Keyword::RowBorderInsideV:
        border = &definition_.borders[InsideV];
        break;
    default:
        return nullptr;
    }
    *border = {};
    return border;
}

bool TableRecorder::begin() {
    steps_.clear();
    rows_.clear();
    kept_.reset();
    columns_ = 0;
    active_ = true;
    return startRow();
}

bool TableRecorder::startRow() {
    if (!budget_.spend(columns_ * kCellCost))
        return false;
    if (!rows_.empty())
        steps_.push_back({StepKind::NextRow, {}, {}, {}});
    rows_.push_back({});
    column_ = 0;
    rowEnded_ = false;
    return reserveColumns(std::max<int>(1, definition_.cells.size()));
}

// Cells beyond the widest row possible share its last cell.
void TableRecorder::nextCell() {
    if (column_ + 1 >= kMaxColumns)
        return;
    ++column_;
    steps_.push_back({StepKind::NextCell, {}, {}, {}});
}

void TableRecorder::endRow() {
    rowEnded_ = true;
    rowDefined_ = false;
    keepRowDefinition();
}

// The definition in force when a row ends is that row's; rows that follow one alike share it.
void TableRecorder::keepRowDefinition() {
    if (rows_.empty() || rows_.back().definition)
        return;
    if (!kept_ || *kept_ != definition_) {
        if (!budget_.spend(kDefinitionCost * (definition_.cells.size() + 1)))
            return;
        kept_ = std::make_shared<const RowDefinition>(definition_);
    }
    rows_.back().definition = kept_;
}

void TableRecorder::finish(QTextCursor &cursor) {
    active_ = false;
    rowEnded_ = false;
    keepRowDefinition();
    const std::vector<Step> steps = std::exchange(steps_, {});
    // Without a column the budget ran out before anything was recorded.
    if (columns_ == 0) {
        rows_.clear();
        return;
    }
    QList<QTextLength> widths;
    int left = 0;
    std::vector<std::vector<Placed>> placed = layOut(widths, left);
    const int rows = int(rows_.size());
    const int columns = int(widths.size());
    QTextTableFormat format;
    format.setBorderCollapse(true);
    format.setBorder(0);
    format.setCellSpacing(0);
    format.setCellPadding(0);
    format.setColumnWidthConstraints(widths);
    format.setLeftMargin(std::max(0, twipsToPixels(left)));
    if (const RowDefinition *first = rows_.front().definition.get()) {
        format.setAlignment(first->alignment);
        if (first->direction != Qt::LayoutDirectionAuto)
            format.setLayoutDirection(first->direction);
    }
    QTextTable *table = cursor.insertTable(rows, columns, format);
    if (!table) {
        rows_.clear();
        return;
    }
    merge(*table, placed);
    replay(*table, cursor, placed, steps);
    // A cell's format is its first paragraph's mark format too, so it comes after the content.
    for (const auto &row : placed) {
        for (const Placed &cell : row) {
            if (cell.covered)
                continue;
            const QTextTableCellFormat own = cellFormat(cell, rows, columns);
            if (own.properties().isEmpty())
                continue;
            QTextTableCell qtCell = table->cellAt(cell.row, cell.column);
            QTextCharFormat format = qtCell.format();
            format.merge(own);
            qtCell.setFormat(format);
        }
    }
    cursor.setPosition(table->lastPosition() + 1);
    rows_.clear();
    kept_.reset();
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
    if (!budget_.spend(qint64(wanted - columns_) * qint64(rows_.size()) * kCellCost))
        return false;
    columns_ = wanted;
    return true;
}

void TableRecorder::record(Step step) {
    if (!reserveColumns(column_ + 1))
        return;
    rows_.back().cells = std::max(rows_.back().cells, column_ + 1);
    steps_.push_back(std::move(step));
}

// Places every cell in a grid whose column boundaries are the edges of all rows, snapped; a
// table with more boundaries than columns allowed puts its cells side by side instead.
std::vector<std::vector<TableRecorder::Placed>> TableRecorder::layOut(QList<QTextLength> &widths,
                                                                      int &left) {
    static const RowDefinition noDefinition;
    std::vector<int> edges;
    for (const Row &row : rows_) {
        const RowDefinition &definition = row.definition ? *row.definition : noDefinition;
        int edge = definition.left;
        edges.push_back(edge);
        for (const CellDefinition &cell : definition.cells)
            edges.push_back(edge = std::max(edge, cell.right));
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::vector<int> boundaryOf(edges.size());
    std::vector<int> boundaries;
    for (std::size_t i = 0; i < edges.size(); ++i) {
        if (boundaries.empty() || edges[i] - boundaries.back() >= kSnapTwips)
            boundaries.push_back(edges[i]);
        boundaryOf[i] = int(boundaries.size()) - 1;
    }
    const auto columnAt = [&](int edge) {
        return boundaryOf[std::lower_bound(edges.begin(), edges.end(), edge) - edges.begin()];
    };
    const bool byEdges = boundaries.size() <= kMaxColumns + 1;

    std::vector<std::vector<Placed>> placed(rows_.size());
    int columns = 1;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const RowDefinition &definition = rows_[r].definition ? *rows_[r].definition : noDefinition;
        const int cells =
            std::min(std::max<int>(rows_[r].cells, definition.cells.size()), kMaxColumns);
        int edge = definition.left;
        int column = byEdges ? columnAt(edge) : 0;
        for (int c = 0; c < cells; ++c) {
            Placed cell{int(r), column, 1, 1, false, nullptr, &definition};
            if (c < definition.cells.size()) {
                cell.definition = &definition.cells[c];
                edge = std::max(edge, cell.definition->right);
                if (byEdges)
                    cell.columns = std::max(1, columnAt(edge) - column);
            }
            column += cell.columns;
            placed[r].push_back(cell);
        }
        columns = std::max(columns, column);
    }
    columns = std::min(columns, kMaxColumns);
    for (auto &row : placed) {
        for (Placed &cell : row) {
            cell.column = std::min(cell.column, columns - 1);
            cell.columns = std::min(cell.columns, columns - cell.column);
        }
    }

    joinMergedCells(placed);
    widths.clear();
    for (int c = 0; c < columns; ++c) {
        const bool known = byEdges && std::size_t(c) + 1 < boundaries.size();
        widths.append(known ? QTextLength(QTextLength::FixedLength,
                                          twipsToPixels(boundaries[c + 1] - boundaries[c]))
                            : QTextLength());
    }
    left = boundaries.empty() ? 0 : boundaries.front();
    return placed;
}

// \clmgf and \clmrg join a cell to the one before it; \clvmgf and \clvmrg to the one above,
// when that one covers the same columns.
void TableRecorder::joinMergedCells(std::vector<std::vector<Placed>> &placed) {
    std::vector<Placed *> openAbove(kMaxColumns, nullptr);
    for (auto &row : placed) {
        Placed *before = nullptr;
        for (Placed &cell : row) {
            const CellDefinition *definition = cell.definition;
            if (definition && definition->horizontal == Merge::Merged && before &&
                before->column + before->columns == cell.column) {
                before->columns += cell.columns;
                cell.covered = true;
                continue;
            }
            if (!cell.covered)
                before = &cell;
        }
        for (Placed &cell : row) {
            if (cell.covered)
                continue;
            const Merge vertical = cell.definition ? cell.definition->vertical : Merge::None;
            Placed *above = openAbove[cell.column];
            if (vertical == Merge::Merged && above && above->columns == cell.columns &&
                above->row + above->rows == cell.row) {
                ++above->rows;
                cell.covered = true;
                continue;
            }
            for (int c = cell.column; c < cell.column + cell.columns; ++c)
                openAbove[c] = nullptr;
            if (vertical == Merge::First)
                openAbove[cell.column] = &cell;
        }
    }
}

// A merge the budget cannot pay for is left out; its cells stay apart.
void TableRecorder::merge(QTextTable &table, std::vector<std::vector<Placed>> &placed) {
    const qint64 cost = kMergeCostPerCell * table.rows() * table.columns();
    for (auto &row : placed) {
        for (Placed &cell : row) {
            if (cell.covered || (cell.rows == 1 && cell.columns == 1))
                continue;
            if (budget_.trySpend(cost)) {
                table.mergeCells(cell.row, cell.column, cell.rows, cell.columns);
                continue;
            }
            cell.rows = 1;
            cell.columns = 1;
        }
    }
}

// Only what differs from a plain cell, so that most cells need no format of their own.
QTextTableCellFormat TableRecorder::cellFormat(const Placed &cell, int rows, int columns) const {
    static constexpr int widths[] = {
        QTextFormat::TableCellTopBorder, QTextFormat::TableCellBottomBorder,
        QTextFormat::TableCellLeftBorder, QTextFormat::TableCellRightBorder};
    static constexpr int styles[] = {
        QTextFormat::TableCellTopBorderStyle, QTextFormat::TableCellBottomBorderStyle,
        QTextFormat::TableCellLeftBorderStyle, QTextFormat::TableCellRightBorderStyle};
    static constexpr int brushes[] = {
        QTextFormat::TableCellTopBorderBrush, QTextFormat::TableCellBottomBorderBrush,
        QTextFormat::TableCellLeftBorderBrush, QTextFormat::TableCellRightBorderBrush};
    static constexpr int paddings[] = {
        QTextFormat::TableCellTopPadding, QTextFormat::TableCellBottomPadding,
        QTextFormat::TableCellLeftPadding, QTextFormat::TableCellRightPadding};
    static const CellDefinition noDefinition;
    const CellDefinition &definition = cell.definition ? *cell.definition : noDefinition;
    const RowDefinition &row = *cell.rowDefinition;
    const bool outer[4] = {cell.row == 0, cell.row + cell.rows == rows, cell.column == 0,
                           cell.column + cell.columns == columns};
    QTextTableCellFormat format;
    for (int side = Top; side <= Right; ++side) {
        Border border = definition.borders[side];
        // A cell without a line of its own takes the row's, at the table's edge or inside it.
        if (!border.visible())
            border = row.borders[outer[side] ? side : (side <= Bottom ? InsideH : InsideV)];
        if (border.visible()) {
            format.setProperty(widths[side], std::max(1.0, border.width / 15.0));
            format.setProperty(styles[side], border.style);
            format.setProperty(brushes[side],
                               QBrush(colors_.color(border.color).value_or(Qt::black)));
        }
        // A cell's own padding, else its row's; beside other cells, half the row's gap.
        int padding = side >= Left ? row.gap : 0;
        if (row.paddingUnit[side] == kTwipsUnit)
            padding = row.padding[side];
        if (definition.paddingUnit[side] == kTwipsUnit)
            padding = definition.padding[side];
        if (twipsToPixels(padding) > 0)
            format.setProperty(paddings[side], qreal(twipsToPixels(padding)));
    }
    if (const auto color = colors_.color(definition.shading))
        format.setBackground(*color);
    if (definition.verticalAlignment == Qt::AlignVCenter)
        format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    else if (definition.verticalAlignment == Qt::AlignBottom)
        format.setVerticalAlignment(QTextCharFormat::AlignBottom);
    return format;
}

// Writes each cell's steps into its grid cell; those of a cell merged into another are left
// out, as word processors keep nothing there.
void TableRecorder::replay(QTextTable &table, QTextCursor &cursor,
                           const std::vector<std::vector<Placed>> &placed,
                           const std::vector<Step> &steps) {
    // The grid cells in the document's order, and which of them merges hid.
    std::vector<int> order(std::size_t(table.rows()) * table.columns(), -1);
    int count = 0;
    for (const auto &row : placed) {
        for (const Placed &cell : row) {
            if (cell.covered)
                continue;
            for (int r = cell.row; r < cell.row + cell.rows; ++r) {
                for (int c = cell.column; c < cell.column + cell.columns; ++c)
                    order[std::size_t(r) * table.columns() + c] = -2;
            }
            order[std::size_t(cell.row) * table.columns() + cell.column] = -3;
        }
    }
    for (int &index : order) {
        if (index != -2)
            index = count++;
    }
    cursor = table.cellAt(0, 0).firstCursorPosition();
    int current = 0;
    bool started = false;
    bool writing = false;
    const auto enter = [&](std::size_t r, std::size_t c) {
        writing = false;
        if (r >= placed.size() || c >= placed[r].size() || placed[r][c].covered)
            return;
        const Placed &cell = placed[r][c];
        const int target = order[std::size_t(cell.row) * table.columns() + cell.column];
        if (target < current || (target == current && started))
            return;
        advanceCells(cursor, target - current);
        current = target;
        started = true;
        writing = true;
    };
    std::size_t row = 0;
    std::size_t column = 0;
    enter(row, column);
    for (const Step &step : steps) {
        switch (step.kind) {
        case StepKind::Text:
            if (writing)
                cursor.insertText(step.text, step.format.toCharFormat());
            break;
        case StepKind::Block:
            if (writing)
                cursor.insertBlock(step.format.toBlockFormat(), step.markFormat.toCharFormat());
            break;
        case StepKind::ParagraphFormat:
            if (writing) {
                cursor.setBlockFormat(step.format.toBlockFormat());
                cursor.setBlockCharFormat(keepingSpans(step.markFormat.toCharFormat(), cursor));
            }
            break;
        case StepKind::Image:
            if (writing)
                cursor.insertImage(step.format.toImageFormat());
            break;
        case StepKind::NextCell:
            enter(row, ++column);
            break;
        case StepKind::NextRow:
            enter(++row, column = 0);
            break;
        }
    }
}

} // namespace rtf
