// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "app/greeting.h"

#include "platform/shown_text.h"

QString greetingFor(const QString &caption, const QString &playerName) {
    return QString(caption).replace(QStringLiteral("PlayerName"), shownText(playerName),
                                    Qt::CaseSensitive);
}
