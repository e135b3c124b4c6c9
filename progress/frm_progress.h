// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "progress/knowledge.h"
#include "progress/period.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QTableView;
class ScoreChart;
class WrongSumsModel;

// The current player's scores over time and the sums that went wrong, for
// the period chosen. Reads the player's history once, when made.
class Announcer;

class frmProgress : public QDialog {
    Q_OBJECT

  public:
    frmProgress(PlayerHistory history, Knowledge knowledge, const QString &playerName,
                const QDateTime &now, Announcer &announcer, QWidget *parent = nullptr);

    // Whether the window was closed to practise.
    bool practiseChosen() const { return practiseChosen_; }
    const PlayerHistory &history() const { return history_; }

  private:
    void cboPeriod_Click();
    void createControls(Knowledge knowledge);
    void showGame(int game);

    Announcer &announcer_;
    PlayerHistory history_;
    QDateTime now_;
    bool practiseChosen_ = false;
    std::vector<const PlayedGame *> shown_;

    QComboBox *cboPeriod = nullptr;
    QLabel *lblUnreadable = nullptr;
    ScoreChart *picScores = nullptr;
    QLabel *lblSummary = nullptr;
    QLabel *lblGame = nullptr;
    QTableView *grdWrongSums = nullptr;
    WrongSumsModel *wrongSums_ = nullptr;
    QTableView *grdKnowledge = nullptr;
};
