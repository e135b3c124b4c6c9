// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Enter to the next sum drawn: the player types the right product and presses
// Enter; timed until the next sum has been painted.
//
// Usage: answer_bench [answers]
#include "bench/figures.h"
#include "support/drill_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <random>

namespace {

// Ends a wait once any of the sum's controls has been painted.
class PaintWatch : public QObject {
  public:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            loop.quit();
        return false;
    }
    QEventLoop loop;
};

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int answers = argc > 1 ? std::max(2, std::atoi(argv[1])) : 1000;

    DrillFixture fx;
    fx.startActive();
    fx.sumCountButton(sumCountChoices - 1)->setChecked(true); // the longest games
    PaintWatch watch;
    for (const char *name : {"lblNum1", "lblNum2", "txtAnswer"})
        fx.control(QLatin1String(name))->installEventFilter(&watch);
    std::mt19937 random(20261206);
    std::uniform_real_distribution<float> draw(0.0f, 1.0f);

    std::vector<double> ms;
    QElapsedTimer clock;
    while (int(ms.size()) < answers) {
        if (!fx.state().GameInProgress)
            fx.newGame({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
        fx.random.draws = {draw(random), draw(random)};
        fx.type(QString::number(fx.product()));
        const bool lastSum = fx.state().NumberOfSums == fx.state().MaxSums;
        clock.start();
        fx.enter();
        if (lastSum)
            continue; // the end of the game is no next sum
        watch.loop.exec();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }

    // No aim was set for these; these are the benchmark's own: within a frame
    // at 60 Hz as a rule, and never slow enough to be noticed.
    std::printf("Enter to the next sum drawn (offscreen, %d answers):\n", answers);
    printFigure("median", median(ms), "ms", 16.7);
    printFigure("99th percentile", percentile(ms, 0.99), "ms", 100);
    return 0;
}
