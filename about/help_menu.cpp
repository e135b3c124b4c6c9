// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// The Help menu opens the help window in one of its two faces.
#include "about/frm_about.h"
#include "app/frm_tables.h"
#include "platform/modal_runner.h"

void frmTables::mnuHelpAbout_Click() {
    openHelpWindow(QStringLiteral("About"));
}

void frmTables::mnuHelpContents_Click() {
    openHelpWindow(QStringLiteral("Contents"));
}

// Made here and destroyed on return, so every opening starts from the designed state.
void frmTables::openHelpWindow(const QString &tag) {
    frmAbout window(services_, *this);
    window.Tag = tag;
    services_.modal.runModal(window);
}
