// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/answer_test.h"

#include "drill/blanks.h"

#include <QRegularExpression>

#include <cmath>

bool isRightAnswer(const QString &answer, int product) {
    static const QRegularExpression number(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    const QString text = trimBlanks(answer);
    if (!number.match(text).hasMatch())
        return false;
    bool converted = false;
    const double value = text.toDouble(&converted);
    if (!converted || value != std::floor(value) || value < 0 || value > 999)
        return false;
    return int(value) == product;
}
