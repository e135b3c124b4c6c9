// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// The floor for the start-up benchmark: the least a Qt program does to show a
// main window with a menu bar and then ask for a name.
#include <QApplication>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Game"));
    window.show();
    QInputDialog::getText(&window, QStringLiteral("Floor"), QStringLiteral("What is your name?"));
    return 0;
}
