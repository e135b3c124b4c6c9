// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/program_icon.h"

#include "platform/app_info.h"

QIcon programIcon() {
    QIcon builtIn;
    for (const char *size : {"32", "48", "64", "128"})
        builtIn.addFile(QStringLiteral(":/icons/quorvel-%1.png").arg(QLatin1String(size)));
    return QIcon::fromTheme(appId(), builtIn);
}
