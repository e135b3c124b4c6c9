// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Start-up to the name prompt on screen, side by side with a floor program:
// each run starts a program and waits on the X server until a dialog window of
// it has been drawn, then reads the program's memory (RSS), the time its main
// thread, all its threads and the X server spent on a processor, and its page
// faults, and ends it. The rounds alternate, with an empty store and with long histories in it.
//
// Usage: startup_bench <program> <floor program> [runs]   (needs an X display)
#include "bench/figures.h"
#include "bench/filled_store.h"
#include "bench/spawned_program.h"
#include "bench/x_screen.h"

#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <vector>

namespace {

enum Figure { onClock, mainThread, processor, server, faults, memory, figureCount };

using Sample = std::array<double, figureCount>;

// One start of `program` up to its prompt on screen.
bool measure(Screen &screen, const char *program, ProgramEnvironment &env, Sample &sample) {
    const pid_t serverPid = screen.serverPid();
    const double serverStart = processCpuMs(serverPid);
    const double start = nowMs();
    const pid_t pid = env.start(program);
    if (!pid)
        return false;
    const bool drawn = screen.waitForDrawnDialog().has_value();
    sample[onClock] = nowMs() - start;
    sample[mainThread] = cpuMs(pid);
    sample[processor] = processCpuMs(pid);
    sample[server] = processCpuMs(serverPid) - serverStart;
    sample[faults] = double(minorFaults(pid));
    sample[memory] = rssMiB(pid);
    killProgram(pid);
    return drawn;
}

void printRow(const char *what, const Sample &medians) {
    std::printf("  %-44s %6.1f ms %6.1f ms %6.1f ms %6.1f ms %6.0f %7.1f MiB\n", what,
                medians[onClock], medians[mainThread], medians[processor], medians[server],
                medians[faults], medians[memory]);
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench <program> <floor program> [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 25;

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
        std::vector<double> samples[2][figureCount];
        Sample sample{};
        // One unmeasured start each fills the caches and makes the program's store.
        for (int run = -1; run < runs; ++run) {
            for (int which = 0; which < 2; ++which) {
                if (!measure(screen, programs[which], env, sample)) {
                    std::fprintf(stderr, "%s: no prompt on screen\n", programs[which]);
                    return 1;
                }
                for (int figure = 0; run >= 0 && figure < figureCount; ++figure)
                    samples[which][figure].push_back(sample[figure]);
            }
        }

        Sample medians[2];
        for (int which = 0; which < 2; ++which)
            for (int figure = 0; figure < figureCount; ++figure)
                medians[which][figure] = median(samples[which][figure]);
        std::printf("Start-up to the name prompt on screen, %d games in the store (X server, %d "
                    "runs each, alternating, medians):\n",
                    records, runs);
        std::printf("  %-44s %9s %9s %9s %9s %6s %11s\n", "", "clock", "main", "threads",
                    "X server", "faults", "memory");
        printRow("the program", medians[0]);
        printRow("floor: main window, menu bar, input prompt", medians[1]);
        printFigure("start-up time, program / floor", medians[0][onClock] / medians[1][onClock],
                    "x", 1.1);
        printFigure("memory at the prompt, program - floor",
                    medians[0][memory] - medians[1][memory], "MiB", 10);
    }
    return 0;
}
