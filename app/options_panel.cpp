// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// The options panel: which tables to practise and how many sums make a game.
#include "app/frm_tables.h"

#include "app/sum_counts.h"
#include "platform/announcer.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

void frmTables::selectSumCountButton() {
    // A count no button carries selects "10", yet stays in MaxSums until a
    // button is clicked or a game starts.
    optNumSums[sumCountIndex(MaxSums)]->setChecked(true);
}

void frmTables::mnuOptions_Click() {
    selectSumCountButton();
    lblWelcome->hide();
    fraSum->hide();
    fraOptions->show();
}

void frmTables::chkAllTimes_Click() {
    for (QCheckBox *box : chkTimes)
        box->setCheckState(Qt::Checked);
    chkAllTimes->setChecked(false);
    services_.announcer.announce(*this, tr("Every table is ticked."));
}

void frmTables::chkClear_Click() {
    for (QCheckBox *box : chkTimes)
        box->setCheckState(Qt::Unchecked);
    chkClear->setChecked(false);
    services_.announcer.announce(*this, tr("No table is ticked."));
}

void frmTables::optNumSums_Click(int index) {
    MaxSums = optNumSums[index]->text().toShort();
}
