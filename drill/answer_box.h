// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/face_when_shown.h"

#include <QLineEdit>

#include <functional>

// The answer box. Keys that produce a character go through the key handler
// first, which lets them in or discards them by setting the code to 0; keys
// that produce none edit the text as usual. A locked box takes nothing from
// the user, pasting included, while its key handler still hears every key.
// Hidden until a game starts, it lays its text out in the sum's face only then.
class AnswerBox : public FaceWhenShown<QLineEdit> {
    Q_OBJECT

  public:
    using KeyPressHandler = std::function<void(int &keyAscii)>;
    using GotFocusHandler = std::function<void()>;

    AnswerBox(const QString &text, QWidget *parent);

    void setKeyPressHandler(KeyPressHandler handler) { keyPress_ = std::move(handler); }
    void setGotFocusHandler(GotFocusHandler handler) { gotFocus_ = std::move(handler); }

    void setLocked(bool locked) { setReadOnly(locked); }
    bool isLocked() const { return isReadOnly(); }

  protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

  private:
    bool isWindowShortcut(const QKeyEvent &event) const;

    KeyPressHandler keyPress_;
    GotFocusHandler gotFocus_;
    bool focusedByThisClick_ = false;
};
