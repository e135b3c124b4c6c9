// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QIdentityProxyModel>
#include <QPersistentModelIndex>

class QTableView;

// A grid as a screen reader reads it. Up and Down make the reader say the
// whole row moved to, so a square that tells nothing worth hearing there
// (a sum never wrong, say) is said only while the player is on it. The
// grid's own model marks those squares true in `quietRole`.
class ListenedGrid : public QIdentityProxyModel {
    Q_OBJECT

  public:
    static constexpr int quietRole = Qt::UserRole + 1;

    // Shows `source` in `view` and follows the view's current square.
    ListenedGrid(QAbstractItemModel &source, QTableView &view);

    QVariant data(const QModelIndex &index, int role) const override;

  private:
    QPersistentModelIndex current_;
};
