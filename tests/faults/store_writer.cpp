// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Makes the program's own writes to its store on command, so that a test can
// kill it during one or race two copies of it.
//
//   store_writer <store file> <player>
//
// Starts like the program (the player answers the name prompt), prints
// "ready", then reads commands from standard input, one a line:
//   state <bits>   set the pace marks and table boxes (see program_writes.h)
//   record <n>     end a game: save history record n of the player
//   game <n>       play a whole game to its end, at the fixed moment of the fake clock
//   exit           close the main window, which saves the options, and end
// Every command is answered with "ok", or "failed" when the store refused a write.
#include "program_writes.h"
#include "settings/settings.h"
#include "store_window.h"

#include <QApplication>
#include <QCheckBox>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

void reply(const char *text) {
    std::fputs(text, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void setState(frmTables &window, unsigned state) {
    const char *paces[] = {"mnuSpeedSlow", "mnuSpeedMedium", "mnuSpeedFast"};
    for (int pace = 0; pace < 3; ++pace)
        window.findChild<QAction *>(QLatin1String(paces[pace]))
            ->setChecked(program_writes::paceMark(state, pace));
    for (int table = 0; table < tableCount; ++table)
        window.findChild<QCheckBox *>(QStringLiteral("chkTimes_%1").arg(table))
            ->setChecked(program_writes::tableTicked(state, table));
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: store_writer <store file> <player>\n";
        return 2;
    }
    const QString player = QString::fromLocal8Bit(argv[2]);
    StoreWindow program(QString::fromLocal8Bit(argv[1]));
    frmTables &window = program.startOnDisk(player);
    reply("ready");

    std::string command;
    int argument = 0;
    while (std::cin >> command) {
        if (command == "exit") {
            window.close();
            reply(program.disk.writeFailed ? "failed" : "ok");
            return 0;
        }
        std::cin >> argument;
        if (command == "state") {
            setState(window, unsigned(argument));
            reply("ok");
        } else if (command == "record") {
            const auto [key, text] = program_writes::record(argument);
            reply(SaveSetting(program.disk, program_writes::historySection(player), key, text)
                      ? "ok"
                      : "failed");
        } else if (command == "game") {
            program.playWholeGame();
            reply(program.disk.writeFailed ? "failed" : "ok");
        } else {
            reply("unknown command");
        }
    }
    return 1;
}
