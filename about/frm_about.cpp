// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "about/frm_about.h"

#include "about/help_document.h"
#include "platform/app_info.h"
#include "platform/fonts.h"
#include "platform/system_colours.h"
#include "platform/twips.h"

#include <QEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>

frmAbout::frmAbout(Services services, QWidget &owner)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      services_(services) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("Help"));
    // The owner's own icon: a new one at every opening would leave its renderings behind in
    // Qt's pixmap cache, some 10 KB an opening until the cache is full.
    setWindowIcon(owner.windowIcon());
    setFont(windowFont());
    QPalette background = palette();
    background.setColor(QPalette::Window, desktopColour());
    setPalette(background);
    setAutoFillBackground(true);
    setFixedSize(twipsToPixels(8565), twipsToPixels(6555));

    createControls();
    arrangeTabOrder();
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
}

bool frmAbout::event(QEvent *event) {
    // The document is read before the window appears, not once the window manager activates it.
    if (event->type() == QEvent::Show && Tag == QLatin1String("Contents"))
        loadContents();
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Resize && watched == rtbContents)
        fitPicturesToView();
    return QDialog::eventFilter(watched, event);
}

// With room for the vertical scroll bar, which a long document brings in only once it is laid
// out, and which would then push a picture just as wide out of sight.
qreal frmAbout::pictureWidth() const {
    return rtbContents->contentsRect().width() -
           rtbContents->verticalScrollBar()->sizeHint().width() -
           2 * rtbContents->document()->documentMargin();
}

void frmAbout::fitPicturesToView() {
    fitPicturesTo(*rtbContents->document(), pictureWidth());
}
