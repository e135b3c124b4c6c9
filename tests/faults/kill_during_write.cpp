// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Kills a process during its next write to a store, or times that write, for
// scripts that drive the real program.
//
//   kill_during_write <store file> kill <pid> <longest delay in us>
//   kill_during_write <store file> time
//
// Prints "armed" once it watches, then what happened: "during" or "after"
// (the write had completed when the kill landed) or "none" (no write began);
// or, when timing, the microseconds the write took.
#include "write_killer.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[]) {
    QCoreApplication application(argc, argv);
    const bool killing = argc == 5 && std::strcmp(argv[2], "kill") == 0;
    if (!killing && !(argc == 3 && std::strcmp(argv[2], "time") == 0)) {
        std::fputs("usage: kill_during_write <store> kill <pid> <max-delay-us> | time\n", stderr);
        return 2;
    }
    WriteKiller killer(QString::fromLocal8Bit(argv[1]));
    std::puts("armed");
    std::fflush(stdout);
    if (!killing) {
        std::printf("%lld\n", static_cast<long long>(killer.timeNextWrite().count()));
        return 0;
    }
    std::mt19937 random{std::random_device{}()};
    const auto outcome = killer.killDuringNextWrite(
        pid_t(std::atol(argv[3])), std::chrono::microseconds(std::atol(argv[4])), random);
    std::puts(outcome == WriteKiller::Outcome::DuringWrite  ? "during"
              : outcome == WriteKiller::Outcome::AfterWrite ? "after"
                                                            : "none");
    return 0;
}
