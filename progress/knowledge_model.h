// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "progress/knowledge.h"

#include <QAbstractTableModel>

// What the player knows as a table: a row per table, a column per multiplier,
// each square the sum's right answers out of the times it was asked, coloured
// by its learning state.
class KnowledgeModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    KnowledgeModel(Knowledge knowledge, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    Knowledge knowledge_;
};
