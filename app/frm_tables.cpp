// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "app/frm_tables.h"

#include "drill/answer_box.h"
#include "platform/app_info.h"
#include "platform/fonts.h"
#include "progress/knowledge.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

// Resources of a static library are not registered by themselves.
static void registerResources() {
    Q_INIT_RESOURCE(resources);
}

frmTables::frmTables(Services services, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      services_(services) {
    registerResources();
    setObjectName(QStringLiteral("frmTables"));
    setWindowTitle(appTitle());
    setFont(windowFont());
    createControls();
    createMenus();
    arrangeTabOrder();
    connectEvents();
    // A fixed border: the window is exactly its menu bar over the client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

frmTables::~frmTables() = default;

GameState frmTables::gameState() const {
    return {PlayerName, MaxSums, Correct, Wrong, NumberOfSums, GameInProgress, WrongAnswers};
}

void frmTables::connectEvents() {
    connect(mnuExit, &QAction::triggered, this, &frmTables::mnuExit_Click);
    connect(mnuHistory, &QAction::triggered, this, &frmTables::mnuHistory_Click);
    connect(mnuProgress, &QAction::triggered, this, &frmTables::mnuProgress_Click);
    // Progress reads the same history, so it is offered exactly when the viewer is.
    connect(mnuHistory, &QAction::enabledChanged, mnuProgress, &QAction::setEnabled);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmTables::mnuHelpAbout_Click);
    connect(mnuHelpContents, &QAction::triggered, this, &frmTables::mnuHelpContents_Click);
    connect(mnuOptions, &QAction::triggered, this, &frmTables::mnuOptions_Click);
    // Clicks, not value changes: resetting its own value must not run the handler again.
    connect(chkAllTimes, &QCheckBox::clicked, this, &frmTables::chkAllTimes_Click);
    connect(chkClear, &QCheckBox::clicked, this, &frmTables::chkClear_Click);
    connect(optNumSumsGroup, &QButtonGroup::idClicked, this, &frmTables::optNumSums_Click);
    connect(mnuSpeedSlow, &QAction::triggered, this, &frmTables::mnuSpeedSlow_Click);
    connect(mnuSpeedMedium, &QAction::triggered, this, &frmTables::mnuSpeedMedium_Click);
    connect(mnuSpeedFast, &QAction::triggered, this, &frmTables::mnuSpeedFast_Click);
    connect(mnuNewGame, &QAction::triggered, this, &frmTables::mnuNewGame_Click);
    connect(mnuPractise, &QAction::triggered, this, &frmTables::mnuPractise_Click);
    connect(mnuCancelGame, &QAction::triggered, this, &frmTables::mnuCancelGame_Click);
    connect(&tmrSpeed, &PacingTimer::dueSoon, this, &frmTables::tmrSpeed_DueSoon);
    connect(&tmrSpeed, &PacingTimer::timeout, this, &frmTables::tmrSpeed_Timer);
    connect(&tmrReadAhead, &QTimer::timeout, this, &frmTables::tmrReadAhead_Timer);
    txtAnswer->setKeyPressHandler([this](int &keyAscii) { txtAnswer_KeyPress(keyAscii); });
    txtAnswer->setGotFocusHandler([this] { txtAnswer_GotFocus(); });
    // A box greyed by a stored value becomes an ordinary two-state box once clicked.
    for (QCheckBox *box : chkTimes)
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
}

void frmTables::centreOnScreen() {
    ensurePolished();
    layout()->activate();
    adjustSize();
    const QScreen *where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!where)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(where->availableGeometry().center());
    move(frame.topLeft());
}

void frmTables::closeEvent(QCloseEvent *event) {
    Form_Unload();
    event->accept();
}
