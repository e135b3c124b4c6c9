// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// The activation step: shows the face Tag asks for, sizes the window to it
// and centres it over the main window.
#include "about/about_texts.h"
#include "about/frm_about.h"
#include "about/help_document.h"
#include "about/window_twips.h"
#include "platform/app_info.h"
#include "platform/dialogs.h"
#include "platform/ui_language.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

#include <stdexcept>

void frmAbout::Form_Activate() {
    // Coming back from another program (the system information tool, say)
    // activates the window again; the step belongs to the opening only.
    if (activated_)
        return;
    activated_ = true;
    try {
        if (Tag == QLatin1String("About"))
            showAboutFace();
        else if (Tag == QLatin1String("Contents"))
            showContentsFace();
        centreOverOwner();
    } catch (const std::exception &) {
        services_.dialogs.messageBox(tr("Error loading Help screen!"), MsgButtons::Ok,
                                     MsgIcon::None, appTitle());
    }
}

void frmAbout::showAboutFace() {
    lblCopyright->setText(authorDetails());
    lblTitle->setText(appTitle());
    lblVersion->setText(versionText(versionMajor(), versionMinor()));
    fraAbout->move(fraAbout->x(), 0);
    setOuterSizeTwips(*this, aboutOuterSize(sizeTwips(*fraAbout)));
    fraAbout->show();
    cmdOK->setFocus();
}

bool frmAbout::loadContents() {
    if (!contentsLoaded_) {
        try {
            loadHelpDocumentIn(services_.files, uiLanguage(), *rtbContents->document(),
                               pictureWidth());
            // Filling the document leaves the view at its end.
            rtbContents->moveCursor(QTextCursor::Start);
            contentsLoaded_ = true;
        } catch (const std::exception &) {
            contentsLoaded_ = false;
        }
    }
    return *contentsLoaded_;
}

void frmAbout::showContentsFace() {
    if (!loadContents())
        throw std::runtime_error("the help document cannot be loaded");
    fraContents->move(fraContents->x(), 0);
    setOuterSizeTwips(*this, contentsOuterSize(sizeTwips(*rtbContents)));
    fraContents->resize(rtbContents->width(), fraContents->height());
    fraContents->show();
    rtbContents->setFocus();
}

void frmAbout::centreOverOwner() {
    const TwipsRect owner = outerTwips(*parentWidget());
    const TwipsRect own = outerTwips(*this);
    setOuterTopTwips(*this, centredTwips(owner.top, owner.height, own.height));
    setOuterLeftTwips(*this, centredTwips(owner.left, owner.width, own.width));
}
