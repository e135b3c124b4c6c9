// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Start-up, the player's name and shut-down.
#include "app/frm_tables.h"

#include "app/greeting.h"
#include "drill/blanks.h"
#include "platform/announcer.h"
#include "platform/app_info.h"
#include "platform/dialogs.h"
#include "settings/settings.h"
#include "settings/stored_text.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>

#include <cstdlib>

namespace {

const QString options = QStringLiteral("Options");

QString tableKey(int index) {
    return QStringLiteral("Times %1").arg(index);
}

Qt::CheckState checkStateFor(int value) {
    switch (value) {
    case 1:
        return Qt::Checked;
    case 2:
        return Qt::PartiallyChecked;
    default:
        return Qt::Unchecked;
    }
}

int checkValueOf(const QCheckBox *box) {
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

QString storeTroubleText(SettingsBackend::Trouble trouble) {
    switch (trouble) {
    case SettingsBackend::Trouble::Unreadable:
        // Defaults stand in for what could not be read; saved, they would replace it.
        return QCoreApplication::translate(
            "frmTables", "Your settings cannot be read, so they will not be saved this time.");
    case SettingsBackend::Trouble::NotOurs:
        return QCoreApplication::translate(
            "frmTables",
            "The file for your settings belongs to another program or to a newer version "
            "of this game, so your settings and scores will not be saved this time.");
    default:
        return QCoreApplication::translate(
            "frmTables", "Your settings and scores cannot be saved this time: their file or folder "
                         "cannot be changed, or the disk is full.");
    }
}

} // namespace

void frmTables::Form_Load() {
    SettingsBackend &store = services_.store;

    centreOnScreen();
    behindPrompt_.show();

    do {
        const QString lastPlayer = GetSetting(store, options, QStringLiteral("LastPlayer"));
        PlayerName = trimBlanks(
            services_.dialogs.inputBox(tr("What is your name?"), appTitle(), lastPlayer));
    } while (PlayerName.isEmpty());
    behindPrompt_.finish();

    mnuSpeedSlow->setChecked(
        flagFromText(GetSetting(store, options, QStringLiteral("SlowSpeed"), "True"), true));
    mnuSpeedMedium->setChecked(
        flagFromText(GetSetting(store, options, QStringLiteral("MediumSpeed"), "False"), false));
    mnuSpeedFast->setChecked(
        flagFromText(GetSetting(store, options, QStringLiteral("FastSpeed"), "False"), false));

    MaxSums = int16FromText(GetSetting(store, options, QStringLiteral("MaximumSums"), "10"), 10);
    // Else a game started without opening the options would count "10" and
    // put it in place of the stored count at exit.
    selectSumCountButton();

    for (int i = 0; i < tableCount; ++i) {
        const int value = checkValueFromText(GetSetting(store, options, tableKey(i), "0"), 0);
        // Only a stored value can grey a box; the player's clicks still just tick and clear.
        chkTimes[i]->setTristate(value == 2);
        chkTimes[i]->setCheckState(checkStateFor(value));
    }

    lblWelcome->setText(greetingFor(lblWelcome->text(), PlayerName));
    lblWelcome->show();
    services_.announcer.announce(*this, lblWelcome->text());

    GameInProgress = false;

    tellStoreTrouble();
    tmrReadAhead.start();
}

void frmTables::tellStoreTrouble() {
    // Once, now, rather than at each save that cannot land.
    const SettingsBackend::Trouble trouble = services_.store.trouble();
    optionsSavable_ = trouble == SettingsBackend::Trouble::None;
    if (!optionsSavable_)
        services_.dialogs.messageBox(storeTroubleText(trouble), MsgButtons::Ok,
                                     MsgIcon::Exclamation);
}

bool frmTables::saveOptions() {
    if (!optionsSavable_)
        return false;
    SettingPairs pairs{
        {QStringLiteral("LastPlayer"), PlayerName},
        {QStringLiteral("SlowSpeed"), flagText(mnuSpeedSlow->isChecked())},
        {QStringLiteral("MediumSpeed"), flagText(mnuSpeedMedium->isChecked())},
        {QStringLiteral("FastSpeed"), flagText(mnuSpeedFast->isChecked())},
        {QStringLiteral("MaximumSums"), QString::number(MaxSums)},
    };
    for (int i = 0; i < tableCount; ++i)
        pairs.emplace_back(tableKey(i), QString::number(checkValueOf(chkTimes[i])));
    return SaveSettings(services_.store, options, pairs);
}

void frmTables::saveOnSessionEnd() {
    saveFinishedGame();
    saveOptions();
}

void frmTables::Form_Unload() {
    const bool saved = saveOptions();
    // Told, never asked: closing is not refused. Start-up has already said
    // why nothing is saved when it is not even tried.
    if (!saved && optionsSavable_)
        services_.dialogs.messageBox(tr("Your settings could not be saved."), MsgButtons::Ok,
                                     MsgIcon::Exclamation);
    tmrSpeed.stop();
    QCoreApplication::exit(saved ? EXIT_SUCCESS : EXIT_FAILURE);
}

void frmTables::mnuExit_Click() {
    close();
}
