// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/qt_dialogs.h"

#include "platform/app_info.h"
#include "platform/modal_runner.h"
#include "platform/shown_text.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

MsgResult QtDialogs::messageBox(const QString &text, MsgButtons buttons, MsgIcon icon,
                                const QString &title, const QString &spokenText) {
    QMessageBox box(QApplication::activeWindow());
    setTitleAsGiven(box, title.isEmpty() ? appTitle() : title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    // A screen reader reads the box's label by its name.
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        label && !spokenText.isEmpty())
        label->setAccessibleName(spokenText);
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    }
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        modal_.runModal(box);
        return box.standardButton(box.clickedButton()) == QMessageBox::Yes ? MsgResult::Yes
                                                                           : MsgResult::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    modal_.runModal(box);
    return MsgResult::Ok;
}

QString QtDialogs::inputBox(const QString &prompt, const QString &title,
                            const QString &defaultAnswer) {
    bool accepted = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                                 QLineEdit::Normal, defaultAnswer, &accepted);
    return accepted ? answer : QString();
}

void QtDialogs::beep() {
    QApplication::beep();
}
