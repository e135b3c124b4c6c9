// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// The cost of the program's writes with full synchronous writes: the record
// at the end of each game and the shut-down batch, on the disk that holds the
// current folder.
//
// Usage: write_bench [games]
#include "bench/figures.h"
#include "store_window.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <linux/magic.h>
#include <sys/vfs.h>

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;

    // Not the temporary folder: that is often a RAM disk, where a sync costs nothing.
    QTemporaryDir home(QDir::current().filePath(QStringLiteral("write-bench-XXXXXX")));
    struct statfs disk {};
    if (statfs(QFile::encodeName(home.path()).constData(), &disk) == 0 &&
        disk.f_type == TMPFS_MAGIC)
        std::fprintf(stderr, "write_bench: %s is a RAM disk, not a disk\n",
                     qPrintable(home.path()));
    const QString path = home.filePath(QStringLiteral("Quorvel/settings.sqlite"));

    std::vector<double> recordMs, batchMs;
    for (int game = 0; game < games; ++game) {
        StoreWindow program(path);
        program.startOnDisk(QStringLiteral("Sam"));
        // Content equal to what is stored is not written at all: every game
        // ends at its own second, and the player then ticks other tables.
        program.clock.current = program.clock.current.addSecs(game);
        program.playWholeGame();
        program.box(3 + game % 2)->setChecked(true);
        program.window->close();
        if (program.disk.writeMs.size() != 2 || program.disk.writeFailed) {
            std::fprintf(stderr, "write_bench: expected one record and one batch, saved\n");
            return 1;
        }
        recordMs.push_back(program.disk.writeMs[0]);
        batchMs.push_back(program.disk.writeMs[1]);
    }

    std::printf("Writes with full synchronous writes, %d games on this disk:\n", games);
    printFigure("end of game record, median", median(recordMs), "ms", 30);
    printFigure("end of game record, 90th percentile", percentile(recordMs, 0.9), "ms", 30);
    printFigure("shut-down batch, median", median(batchMs), "ms", 30);
    printFigure("shut-down batch, 90th percentile", percentile(batchMs, 0.9), "ms", 30);
    return 0;
}
