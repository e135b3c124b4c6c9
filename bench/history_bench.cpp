// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// A player with many finished games opens the history: the time from Ctrl+H
// to the first record's box drawn, and the memory the viewer takes meanwhile.
//
// Usage: history_bench <records> [repeats]
#include "bench/figures.h"
#include "bench/memory.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_modal_runner.h"
#include "program_writes.h"
#include "store_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>

#include <malloc.h>

namespace {

const QString player = QStringLiteral("Sam");

// Real message boxes; the first one drawn is timed and answered No.
QtModalRunner modal;

class TimedBoxes : public QtDialogs, public QObject {
  public:
    TimedBoxes() : QtDialogs(modal) {}
    QString inputBox(const QString &, const QString &, const QString &) override { return player; }

    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Paint && !drawnMs) {
            drawnMs = double(clock.nsecsElapsed()) / 1e6;
            peakMiB = memoryMiB("VmHWM");
            QMetaObject::invokeMethod(box->button(QMessageBox::No), &QAbstractButton::click,
                                      Qt::QueuedConnection);
        }
        return false;
    }

    QElapsedTimer clock;
    std::optional<double> drawnMs;
    double peakMiB = 0;
};

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int records = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("Quorvel/settings.sqlite"));
    {
        SettingPairs history;
        for (int n = 0; n < records; ++n)
            history.push_back(program_writes::record(n));
        SqliteStore store(path);
        store.write(program_writes::historySection(player), history);
    }

    TimedBoxes boxes;
    application.installEventFilter(&boxes);
    StoreWindow program(path, &boxes);
    program.startOnDisk(player);

    std::vector<double> ms;
    double firstMiB = 0;
    // What filling the store left free goes back to the system, so that the
    // viewer's memory shows as growth and not as reuse.
    malloc_trim(0);
    for (int repeat = 0; repeat < repeats; ++repeat) {
        // A closed box need not give the activation back; shortcuts need it.
        program.window->activateWindow();
        if (!QTest::qWaitForWindowActive(program.window.get())) {
            std::fprintf(stderr, "the window never became active: no shortcut, no figures\n");
            return 1;
        }
        const double before = memoryMiB();
        resetPeakMemory();
        boxes.drawnMs.reset();
        boxes.clock.start();
        QTest::keyClick(program.window.get(), Qt::Key_H, Qt::ControlModifier);
        if (!boxes.drawnMs) {
            std::fprintf(stderr, "Ctrl+H showed no history box\n");
            return 1;
        }
        ms.push_back(*boxes.drawnMs);
        if (repeat == 0)
            firstMiB = boxes.peakMiB - before;
    }

    std::printf("History of %d records (offscreen, %d openings):\n", records, repeats);
    printFigure("Ctrl+H to the first box drawn, median", median(ms), "ms", 100);
    printFigure("memory taken by the viewer, first opening", firstMiB, "MiB", 20);
    return 0;
}
