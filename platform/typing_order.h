// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QObject>

#include <memory>

class KeysToTheFront;

// Makes every key act in the order it was typed. The toolkit clicks a button
// reached by its access key (and a message box's button reached by its letter)
// a tenth of a second later, so keys typed in between overtook it; installed on
// the application, this clicks such buttons at once. Keys typed while a window
// opens or closes go to the window that comes in front. The Alt of an access
// key is never a tap that puts the menu bar in keyboard mode, even when a
// screen reader hands the toolkit its release before the letter's.
class TypingOrder : public QObject {
    Q_OBJECT

  public:
    explicit TypingOrder(QObject *parent = nullptr);
    ~TypingOrder() override;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    std::unique_ptr<KeysToTheFront> keysToTheFront_;
    bool altUsedByAccessKey_ = false;
};
