// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/program_icon.h"

#include "platform/app_info.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>

QIcon programIcon() {
    QIcon builtIn;
    for (const char *size : {"32", "48", "64", "128"})
        builtIn.addFile(QStringLiteral(":/icons/quorvel-%1.png").arg(QLatin1String(size)));
    return QIcon::fromTheme(appId(), builtIn);
}

ProgramIconAfterDialog::ProgramIconAfterDialog(QWidget &window) : window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

void ProgramIconAfterDialog::giveNow() {
    QCoreApplication::instance()->removeEventFilter(this);
    if (given_)
        return;
    given_ = true;
    window_.setWindowIcon(programIcon());
}

bool ProgramIconAfterDialog::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Paint && qobject_cast<QDialog *>(watched)) {
        QCoreApplication::instance()->removeEventFilter(this);
        // Queued, it runs once the drawing has reached the screen.
        QMetaObject::invokeMethod(this, &ProgramIconAfterDialog::giveNow, Qt::QueuedConnection);
    }
    return false;
}
