// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Start-up to the name prompt on screen, side by side with a floor program:
// each run starts a program and waits on the X server until a dialog window of
// it has been drawn, then reads the program's memory (RSS) and ends it. The
// rounds alternate, with an empty store and with long histories in it.
//
// Usage: startup_bench <program> <floor program> [runs]   (needs an X display)
#include "bench/figures.h"
#include "bench/filled_store.h"
#include "bench/spawned_program.h"
#include "bench/x_screen.h"

#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

struct Sample {
    double ms;
    double mib;
};

// One start of `program` up to its prompt on screen.
bool measure(Screen &screen, const char *program, ProgramEnvironment &env, Sample &sample) {
    const double start = nowMs();
    const pid_t pid = env.start(program);
    if (!pid)
        return false;
    const bool drawn = screen.waitForDrawnDialog().has_value();
    sample = {nowMs() - start, rssMiB(pid)};
    killProgram(pid);
    return drawn;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench <program> <floor program> [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;

    // One connection throughout: the server would reset each time its last client left.
    Screen screen;
    if (!screen.ok()) {
        std::fprintf(stderr, "startup_bench: no X display\n");
        return 1;
    }
    const char *programs[] = {argv[1], argv[2]};
    for (int records : {0, 32767, 100000}) {
        // A settings folder of its own, kept across runs as a player's would be.
        QTemporaryDir home;
        if (records > 0)
            fillStore(home.path(), records);
        ProgramEnvironment env(home.path());
        std::vector<double> ms[2], mib[2];
        Sample sample{};
        // One unmeasured start each fills the caches and makes the program's store.
        for (int run = -1; run < runs; ++run) {
            for (int which = 0; which < 2; ++which) {
                if (!measure(screen, programs[which], env, sample)) {
                    std::fprintf(stderr, "%s: no prompt on screen\n", programs[which]);
                    return 1;
                }
                if (run >= 0) {
                    ms[which].push_back(sample.ms);
                    mib[which].push_back(sample.mib);
                }
            }
        }

        const double time[] = {median(ms[0]), median(ms[1])};
        const double memory[] = {median(mib[0]), median(mib[1])};
        std::printf("Start-up to the name prompt on screen, %d games in the store (X server, %d "
                    "runs each, alternating, medians):\n",
                    records, runs);
        std::printf("  %-44s %8.1f ms %7.1f MiB\n", "the program", time[0], memory[0]);
        std::printf("  %-44s %8.1f ms %7.1f MiB\n", "floor: main window, menu bar, input prompt",
                    time[1], memory[1]);
        printFigure("start-up time, program / floor", time[0] / time[1], "x", 1.1);
        printFigure("memory at the prompt, program - floor", memory[0] - memory[1], "MiB", 10);
    }
    return 0;
}
