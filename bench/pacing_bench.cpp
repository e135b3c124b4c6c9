// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Plays real games on the offscreen platform with the real pacing timer and
// prints how long each sum stayed on screen against the time allowed, then how
// quickly Enter brings the next sum.
//
// Usage: pacing_bench [--sums N]   (N from 1 to 10 timed sums per pace)
#include "drill/answer_box.h"
#include "platform/clock_seeded_random.h"
#include "platform/system_clock.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Pace {
    const char *name;
    const char *action;
    int allowedMs;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The answer box gains the focus when a sum is shown and loses it, disabled for
// a moment, when the sum is marked: its focus events bracket each sum's time
// on screen.
class SumWatcher : public QObject {
  public:
    SumWatcher(const QElapsedTimer &clock, const QWidget &box) : clock_(clock), box_(box) {}

    std::vector<double> onScreenMs;
    std::function<void()> sumShown;
    std::function<void()> sumMarked;

    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::FocusIn) {
            shownAtNs_ = clock_.nsecsElapsed();
            if (sumShown)
                sumShown();
        } else if (event->type() == QEvent::FocusOut && shownAtNs_ >= 0 && !box_.isEnabled()) {
            onScreenMs.push_back((clock_.nsecsElapsed() - shownAtNs_) / 1e6);
            shownAtNs_ = -1;
            if (sumMarked)
                sumMarked();
        }
        return false;
    }

    qint64 shownAtNs() const { return shownAtNs_; }

  private:
    const QElapsedTimer &clock_;
    const QWidget &box_;
    qint64 shownAtNs_ = -1;
};

AnswerBox *startActive(WindowFixture &fx) {
    fx.start(QStringLiteral("Bench"));
    fx.window->activateWindow();
    if (!QTest::qWaitForWindowActive(fx.window.get())) {
        std::fprintf(stderr, "the window never became active: no focus, no figures\n");
        std::exit(1);
    }
    fx.control<QCheckBox>(QStringLiteral("chkTimes_5"))->setChecked(true);
    fx.control<QCheckBox>(QStringLiteral("chkTimes_10"))->setChecked(true);
    return fx.control<AnswerBox>(QStringLiteral("txtAnswer"));
}

struct Bench {
    WindowFixture fx;
    AnswerBox *box = startActive(fx);
    QElapsedTimer clock;
    SumWatcher watcher{clock, *box};
    SystemClock systemClock;
    ClockSeededRandom realDraws{systemClock};

    Bench() {
        clock.start();
        box->installEventFilter(&watcher);
    }

    // Plays one game of ten sums, or cancels it after `sums` of them.
    void play(int sums) {
        QEventLoop loop;
        fx.dialogs.whileMessageShown = [&loop](const FakeDialogs::Message &) { loop.quit(); };
        watcher.onScreenMs.clear();
        for (int draw = 0; draw < 20; ++draw)
            fx.random.draws.push_back(realDraws.next());
        watcher.sumMarked = [this, sums] {
            // A game that ends by itself needs no cancelling.
            if (sums < fx.window->gameState().MaxSums && int(watcher.onScreenMs.size()) == sums)
                QTimer::singleShot(0, fx.action(QStringLiteral("mnuCancelGame")),
                                   &QAction::trigger);
        };
        fx.action(QStringLiteral("mnuNewGame"))->trigger();
        loop.exec();
        watcher.sumMarked = nullptr;
    }
};

void timedSums(Bench &bench, int sums) {
    const Pace paces[] = {{"slow", "mnuSpeedSlow", 7500},
                          {"medium", "mnuSpeedMedium", 5000},
                          {"fast", "mnuSpeedFast", 3000}};
    std::printf("Nobody answering, %d sums per pace (on screen minus allowed):\n", sums);
    std::printf("%-7s %9s %5s %6s %12s %12s\n", "pace", "allowed", "sums", "early", "median late",
                "max late");
    for (const Pace &pace : paces) {
        bench.fx.action(QLatin1String(pace.action))->trigger();
        bench.play(sums);
        std::vector<double> lateness;
        for (double ms : bench.watcher.onScreenMs)
            lateness.push_back(ms - pace.allowedMs);
        const auto early =
            std::count_if(lateness.begin(), lateness.end(), [](double late) { return late < 0; });
        std::printf("%-7s %6d ms %5zu %6td %9.3f ms %9.3f ms\n", pace.name, pace.allowedMs,
                    lateness.size(), early, median(lateness),
                    *std::max_element(lateness.begin(), lateness.end()));
        std::fflush(stdout);
    }
}

// Answers every sum right shortly after it appears and times Enter to the next sum.
void answeredSums(Bench &bench) {
    std::vector<double> enterToNextMs;
    qint64 enterAtNs = -1;
    bench.watcher.sumShown = [&] {
        if (enterAtNs >= 0)
            enterToNextMs.push_back((bench.watcher.shownAtNs() - enterAtNs) / 1e6);
        enterAtNs = -1;
        QTimer::singleShot(20, bench.box, [&] {
            const int product =
                bench.fx.control<QLabel>(QStringLiteral("lblNum1"))->text().toInt() *
                bench.fx.control<QLabel>(QStringLiteral("lblNum2"))->text().toInt();
            QTest::keyClicks(bench.box, QString::number(product));
            enterAtNs = bench.clock.nsecsElapsed();
            QTest::keyClick(bench.box, Qt::Key_Return);
        });
    };
    bench.fx.action(QStringLiteral("mnuSpeedFast"))->trigger();
    bench.play(10);
    bench.watcher.sumShown = nullptr;
    std::printf("Enter to the next sum drawn: median %.3f ms over %zu answers (%d right)\n",
                median(enterToNextMs), enterToNextMs.size(), bench.fx.window->gameState().Correct);
}

int parseSums(const QStringList &arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--sums"));
    if (at < 0 || at + 1 >= arguments.size())
        return 10;
    return std::clamp(arguments[at + 1].toInt(), 1, 10);
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int sums = parseSums(QApplication::arguments());

    Bench bench;
    timedSums(bench, sums);
    answeredSums(bench);
    return 0;
}
