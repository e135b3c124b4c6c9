// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// The first opening of the history viewer (Ctrl+H) and of the Progress window
// (Ctrl+P) in the real program, with many games in the store. Every run starts
// the program afresh, accepts the name it offers, waits as a player would,
// then presses the keys and waits on the X server until the window is drawn;
// it also reads how much the program's memory (RSS) grew meanwhile. Every run
// finds the store as it was filled, with no digest of the history kept: one
// the program keeps in the pause (it reads a long history ahead once start-up
// is over) is gone by the next run. Progress is also opened with no pause.
//
// Usage: opening_bench <program> [runs] [pause in ms]   (needs an X display)
#include "bench/figures.h"
#include "bench/filled_store.h"
#include "bench/spawned_program.h"
#include "bench/x_screen.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

constexpr xcb_keysym_t returnKey = 0xff0d;

struct Opening {
    const char *what;
    xcb_keysym_t key; // pressed with Ctrl
    bool atOnce;      // no pause after the name
};
const Opening openings[] = {{"history viewer, Ctrl+H to its first box", 'h', false},
                            {"Progress window, Ctrl+P to its first view", 'p', false},
                            {"the same, pressed as soon as the name is in", 'p', true}};

// The store as filled, put back before every run.
class FilledStore {
  public:
    explicit FilledStore(const QString &home)
        : file_(home + QStringLiteral("/Quorvel/settings.sqlite")),
          copy_(home + QStringLiteral("/filled.sqlite")) {
        QFile::copy(file_, copy_);
    }
    bool putBack() const {
        QFile::remove(file_ + QStringLiteral("-journal"));
        return QFile::remove(file_) && QFile::copy(copy_, file_);
    }

  private:
    QString file_;
    QString copy_;
};

struct Sample {
    double ms;
    double cpuMs;
    double mib;
};

// One start of the program, up to the window drawn; false when something never came.
bool measure(Screen &screen, const char *program, ProgramEnvironment &env, xcb_keysym_t key,
             double pauseMs, Sample &sample) {
    const pid_t pid = env.start(program);
    if (!pid)
        return false;
    const std::optional<xcb_window_t> prompt = screen.waitForDrawnDialog();
    bool drawn = false;
    if (prompt) {
        screen.focus(*prompt);
        screen.press(returnKey);
        if (screen.waitForUnmapped(*prompt)) {
            // A player's pause, in which the start-up's check of the store ends
            // (it starts half a second after the program and takes some 20 ms at
            // 32,767 games, 50 at 100,000, on a quiet machine) and the program
            // reads the history ahead (half a second after the name).
            screen.focus(screen.mainWindow());
            screen.idle(pauseMs);
            const double mib = rssMiB(pid);
            const double cpu = cpuMs(pid);
            const double start = nowMs();
            screen.press(key, true);
            drawn = screen.waitForDrawnDialog().has_value();
            sample = {nowMs() - start, cpuMs(pid) - cpu, rssMiB(pid) - mib};
        }
    }
    killProgram(pid);
    return drawn;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: opening_bench <program> [runs] [pause in ms]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
    const double pauseMs = argc > 3 ? std::atof(argv[3]) : 1000;
    // One connection throughout: the server would reset each time its last client left.
    Screen screen;
    if (!screen.ok()) {
        std::fprintf(stderr, "opening_bench: no X display\n");
        return 1;
    }
    for (int records : {1000, 32767, 100000}) {
        QTemporaryDir home;
        fillStore(home.path(), records);
        ProgramEnvironment env(home.path());
        std::printf("First opening with %d games, a fresh program each time, keys pressed %.0f ms "
                    "after the name (X server, %d runs, median; minimum to maximum):\n",
                    records, pauseMs, runs);
        const FilledStore filled(home.path());
        for (const Opening &opening : openings) {
            std::vector<double> ms, cpu, mib;
            Sample sample{};
            // One unmeasured run first, so every measured one finds the file cached alike.
            for (int run = -1; run < runs; ++run) {
                if (!filled.putBack()) {
                    std::fprintf(stderr, "opening_bench: the filled store could not be put back\n");
                    return 1;
                }
                if (!measure(screen, argv[1], env, opening.key, opening.atOnce ? 0 : pauseMs,
                             sample)) {
                    std::fprintf(stderr, "%s: never drawn\n", opening.what);
                    return 1;
                }
                if (run >= 0) {
                    ms.push_back(sample.ms);
                    cpu.push_back(sample.cpuMs);
                    mib.push_back(sample.mib);
                }
            }
            printFigure(opening.what, median(ms), "ms", 50);
            std::printf("  %-44s %8.1f to %.1f ms; %.1f ms on the processor\n", "",
                        *std::min_element(ms.begin(), ms.end()),
                        *std::max_element(ms.begin(), ms.end()), median(cpu));
            printFigure("memory taken (RSS)", median(mib), "MiB", 5);
        }
    }
    return 0;
}
