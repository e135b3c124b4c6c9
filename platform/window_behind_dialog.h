// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QObject>

class QWidget;

// Shows a window that a dialog (at start-up, the name prompt) is about to
// cover, holding back what the player does not need before the dialog is on
// screen: the window's drawing and its icon. Both come just after the first
// dialog has been drawn, or at finish() if that comes first. Drawn first, the
// window held the prompt back on the display server, and the icon's pictures
// are decoded for the window manager as soon as the window has one.
class WindowBehindDialog : public QObject {
  public:
    explicit WindowBehindDialog(QWidget &window);

    void show();
    void finish();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QWidget &window_;
    bool finished_ = false;
};
