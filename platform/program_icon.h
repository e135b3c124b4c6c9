// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QIcon>
#include <QObject>

class QWidget;

// The program's icon from the desktop's theme, at every size the theme has;
// without an installed theme icon, the artwork built into the program.
QIcon programIcon();

// Gives a window the program's icon just after the first dialog (at start-up,
// the name prompt) has been drawn, or at giveNow() if that comes first. Its
// pictures are decoded for the window manager as soon as the window has an
// icon, and before, they held the prompt back.
class ProgramIconAfterDialog : public QObject {
  public:
    explicit ProgramIconAfterDialog(QWidget &window);

    void giveNow();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QWidget &window_;
    bool given_ = false;
};
