// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/registry.h"
#include "platform/services.h"

#include <QDialog>

#include <array>
#include <optional>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTextBrowser;

// The help window: the About box or the help document's viewer, chosen by
// Tag before it is shown. Made afresh for every opening.
class frmAbout : public QDialog {
    Q_OBJECT

  public:
    frmAbout(Services services, QWidget &owner);

    // "About" or "Contents", compared exactly.
    QString Tag;

    // Runs the activation step the first time the window becomes active.
    void Form_Activate();

    // The system information launcher (about/system_info_launcher.cpp).
    void StartSysInfo();
    bool GetKeyValue(RegistryHandle KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                     QString &KeyVal);

  protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void createControls();
    void createAboutPanel();
    void arrangeTabOrder();

    void showAboutFace();
    void showContentsFace();
    // Reads the help document once; false when it cannot be shown.
    bool loadContents();
    void fitPicturesToView();
    qreal pictureWidth() const;
    void centreOverOwner();

    bool findAndStartSystemInformationTool();

    Services services_;
    bool activated_ = false;
    std::optional<bool> contentsLoaded_;

    QFrame *fraContents = nullptr;
    QTextBrowser *rtbContents = nullptr;

    QFrame *fraAbout = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *lblCopyright = nullptr;
    QLabel *picIcon = nullptr;
    std::array<QWidget *, 2> Line1{};
    QLabel *lblDisclaimer = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;
};
