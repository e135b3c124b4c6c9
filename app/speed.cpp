// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// The pace: the time allowed for each sum.
#include "app/frm_tables.h"

#include <QAction>

#include <array>

namespace {
// Marks are set in the order Slow, Medium, Fast; only the chosen one keeps its mark.
void markOnly(const QAction *chosen, const std::array<QAction *, 3> &paces) {
    for (QAction *pace : paces)
        pace->setChecked(pace == chosen);
}
} // namespace

void frmTables::mnuSpeedSlow_Click() {
    markOnly(mnuSpeedSlow, {mnuSpeedSlow, mnuSpeedMedium, mnuSpeedFast});
    SetSpeed();
}

void frmTables::mnuSpeedMedium_Click() {
    markOnly(mnuSpeedMedium, {mnuSpeedSlow, mnuSpeedMedium, mnuSpeedFast});
    SetSpeed();
}

void frmTables::mnuSpeedFast_Click() {
    markOnly(mnuSpeedFast, {mnuSpeedSlow, mnuSpeedMedium, mnuSpeedFast});
    SetSpeed();
}

// Slow wins over the others, and no mark at all means fast.
void frmTables::SetSpeed() {
    if (mnuSpeedSlow->isChecked())
        tmrSpeed.setInterval(7500);
    else if (mnuSpeedMedium->isChecked())
        tmrSpeed.setInterval(5000);
    else
        tmrSpeed.setInterval(3000);
}
