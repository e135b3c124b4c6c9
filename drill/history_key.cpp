// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/history_key.h"

QString historyKey(const QDateTime &when) {
    return when.toString(QStringLiteral("dd/MM/yy HH:mm:ss"));
}
