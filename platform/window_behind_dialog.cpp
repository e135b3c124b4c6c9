// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/window_behind_dialog.h"

#include "platform/app_info.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QIcon>

namespace {

// The program's icon from the desktop's theme, at every size the theme has;
// without an installed theme icon, the artwork built into the program.
QIcon programIcon() {
    QIcon builtIn;
    for (const char *size : {"32", "48", "64", "128"})
        builtIn.addFile(QStringLiteral(":/icons/quorvel-%1.png").arg(QLatin1String(size)));
    return QIcon::fromTheme(appId(), builtIn);
}

} // namespace

WindowBehindDialog::WindowBehindDialog(QWidget &window) : window_(window) {}

void WindowBehindDialog::show() {
    QCoreApplication::instance()->installEventFilter(this);
    window_.setUpdatesEnabled(false);
    window_.show();
}

void WindowBehindDialog::finish() {
    QCoreApplication::instance()->removeEventFilter(this);
    if (finished_)
        return;
    finished_ = true;
    window_.setUpdatesEnabled(true);
    window_.setWindowIcon(programIcon());
}

bool WindowBehindDialog::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Paint && qobject_cast<QDialog *>(watched)) {
        QCoreApplication::instance()->removeEventFilter(this);
        // Queued, it runs once the drawing has reached the screen.
        QMetaObject::invokeMethod(this, &WindowBehindDialog::finish, Qt::QueuedConnection);
    }
    return false;
}
