// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QList>
#include <Qt>

// The tables a sum is drawn from, given the table boxes' states in index order
// (box i is the table of i + 2): a placeholder 0, then every table whose box
// is not clear, ascending. Greyed boxes count here.
QList<int> tableListFor(const QList<Qt::CheckState> &boxStates);

// Turns a draw r in [0, 1) into a position from 1 to n, each equally likely.
int drawPosition(float r, int n);
