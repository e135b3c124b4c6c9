// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/qt_modal_runner.h"

#include <QDialog>

void QtModalRunner::runModal(QDialog &dialog) {
    dialog.exec();
}
