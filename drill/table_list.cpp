// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/table_list.h"

#include <cmath>

QList<int> tableListFor(const QList<Qt::CheckState> &boxStates) {
    QList<int> tables{0};
    for (qsizetype i = 0; i < boxStates.size(); ++i) {
        if (boxStates[i] != Qt::Unchecked)
            tables.append(int(i) + 2);
    }
    return tables;
}

int drawPosition(float r, int n) {
    return int(std::floor(double(r) * n + 1));
}
