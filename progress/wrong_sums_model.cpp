// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/wrong_sums_model.h"

#include "progress/listened_grid.h"
#include "progress/progress_texts.h"

#include <QColor>

namespace {
constexpr int gamesColumn = multipliersShown;

// From a pale red, still told apart from none, to a strong red for the most;
// the text turns white where the red gets dark.
QColor shade(int times, int most) {
    const double share = 0.15 + 0.85 * double(times) / most;
    return QColor::fromHsvF(0, 0.85 * share, 1 - 0.35 * share);
}
} // namespace

void WrongSumsModel::setCounts(const WrongSumCounts &counts) {
    counts_ = counts;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int WrongSumsModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : tablesShown;
}

int WrongSumsModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : multipliersShown + 1;
}

QVariant WrongSumsModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return index.column() == gamesColumn ? gamesData(index.row(), role)
                                         : sumData(index.row(), index.column(), role);
}

QVariant WrongSumsModel::sumData(int row, int column, int role) const {
    const int times = counts_.times[std::size_t(row)][std::size_t(column)];
    switch (role) {
    case Qt::DisplayRole:
        return times > 0 ? QString::number(times) : QString();
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return wrongSumText(row + firstTable, column + 1, times);
    case ListenedGrid::quietRole:
        return times == 0;
    // A square never wrong keeps the view's own colours, light or dark.
    case Qt::BackgroundRole:
        return times > 0 ? QVariant(shade(times, counts_.most)) : QVariant();
    case Qt::ForegroundRole:
        return times > 0 ? QVariant(QColor(times * 2 > counts_.most ? Qt::white : Qt::black))
                         : QVariant();
    default:
        return {};
    }
}

QVariant WrongSumsModel::gamesData(int row, int role) const {
    const int games = counts_.gamesShowingTable[std::size_t(row)];
    switch (role) {
    case Qt::DisplayRole:
        return QString::number(games);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return gamesShowingTableText(row + firstTable, games);
    default:
        return {};
    }
}

QVariant WrongSumsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return tableHeading(section + firstTable);
    return section == gamesColumn ? gamesHeading() : QString::number(section + 1);
}
