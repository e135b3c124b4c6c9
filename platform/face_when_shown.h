// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QEvent>
#include <QWidget>

// A control that takes a new face into its text layout only when it is shown.
// A line edit or a group box lays its text out in a new face at once, which
// loads the face; for a control hidden at start-up that held the first window
// back for a face nobody sees until later. font() answers the new face at once.
template <typename Control> class FaceWhenShown : public Control {
  public:
    using Control::Control;

  protected:
    void changeEvent(QEvent *event) override {
        if (event->type() == QEvent::FontChange && !this->isVisible()) {
            faceWaiting_ = true;
            this->QWidget::changeEvent(event);
            return;
        }
        Control::changeEvent(event);
    }

    void showEvent(QShowEvent *event) override {
        if (faceWaiting_) {
            faceWaiting_ = false;
            QEvent change(QEvent::FontChange);
            Control::changeEvent(&change);
        }
        Control::showEvent(event);
    }

  private:
    bool faceWaiting_ = false;
};
