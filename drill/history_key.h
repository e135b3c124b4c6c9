// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QDateTime>
#include <QString>

// "06/12/26 14:03:09": always "/" and ":", whatever the regional separators.
QString historyKey(const QDateTime &when);
