// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "progress/wrong_sum_counts.h"

#include <QAbstractTableModel>

// The wrong-sum counts as a table: a row per table, a column per multiplier,
// then the number of games whose record shows the table.
class WrongSumsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setCounts(const WrongSumCounts &counts);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QVariant sumData(int row, int column, int role) const;
    QVariant gamesData(int row, int role) const;

    WrongSumCounts counts_;
};
