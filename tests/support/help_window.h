// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "about/frm_about.h"
#include "window_fixture.h"

#include <functional>

// Opens the help window from the Help menu and, while it is open, activates it
// as showing it would and hands it to inspect.
inline void openFromHelpMenu(WindowFixture &fx, const QString &menuItem,
                             const std::function<void(frmAbout &)> &inspect = {}) {
    fx.modal.whileOpen = [&inspect](QDialog &dialog) {
        auto &window = dynamic_cast<frmAbout &>(dialog);
        window.show();
        window.Form_Activate();
        if (inspect)
            inspect(window);
    };
    fx.action(menuItem)->trigger();
}
