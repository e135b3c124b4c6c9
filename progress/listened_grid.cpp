// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/listened_grid.h"

#include <QTableView>

ListenedGrid::ListenedGrid(QAbstractItemModel &source, QTableView &view)
    : QIdentityProxyModel(&view) {
    setSourceModel(&source);
    view.setModel(this);
    connect(view.selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { current_ = current; });
}

QVariant ListenedGrid::data(const QModelIndex &index, int role) const {
    // A blank, not nothing: for an empty text the toolkit reads the shown one.
    if (role == Qt::AccessibleTextRole && index != current_ &&
        QIdentityProxyModel::data(index, quietRole).toBool())
        return QStringLiteral(" ");
    return QIdentityProxyModel::data(index, role);
}
