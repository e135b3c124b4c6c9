// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/knowledge_model.h"

#include "progress/listened_grid.h"
#include "progress/progress_texts.h"

#include <QColor>

namespace {

// Pale enough for black text; the state is also in the square's spoken text.
QVariant stateColour(LearningState state) {
    switch (state) {
    case LearningState::Known:
        return QColor(170, 225, 170);
    case LearningState::Learning:
        return QColor(250, 230, 150);
    case LearningState::Trouble:
        return QColor(245, 170, 165);
    case LearningState::NotAsked:
        break;
    }
    return {}; // the view's own colours, light or dark
}

} // namespace

KnowledgeModel::KnowledgeModel(Knowledge knowledge, QObject *parent)
    : QAbstractTableModel(parent), knowledge_(std::move(knowledge)) {}

int KnowledgeModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : tablesShown;
}

int KnowledgeModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : multipliersShown;
}

QVariant KnowledgeModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid())
        return {};
    const SumKnowledge &sum = knowledge_.of(index.row() + firstTable, index.column() + 1);
    const LearningState state = learningState(sum);
    switch (role) {
    case Qt::DisplayRole:
        return state == LearningState::NotAsked
                   ? QString()
                   : QStringLiteral("%1/%2").arg(sum.right).arg(sum.asked);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return knownSumText(sum);
    // A row read out names what is still to learn.
    case ListenedGrid::quietRole:
        return state == LearningState::NotAsked || state == LearningState::Known;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        return stateColour(state);
    case Qt::ForegroundRole:
        return state == LearningState::NotAsked ? QVariant() : QVariant(QColor(Qt::black));
    default:
        return {};
    }
}

QVariant KnowledgeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Vertical ? tableHeading(section + firstTable)
                                       : QString::number(section + 1);
}
