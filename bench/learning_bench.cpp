// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Simulated children play one game of 20 sums a day, from the ticked tables,
// until they recall every sum of them with 95 % probability at the start of a
// day: how many sums that takes with New Game's drawing and with practice.
//
// Usage: learning_bench [children per profile] [seed]
#include "bench/figures.h"
#include "bench/learning_profiles.h"
#include "bench/learning_run.h"

#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

namespace {

struct Drawing {
    const char *name;
    std::function<std::unique_ptr<SumDrawing>(const QList<int> &tables)> make;
};

std::string sumsText(double sums) {
    return std::isinf(sums) ? std::string("never") : std::to_string(int(sums));
}

// Children who never got there count as the slowest.
void printSpread(const char *name, const std::vector<double> &sums, int mostSums) {
    const auto missed = std::count_if(sums.begin(), sums.end(), [](double s) { return std::isinf(s); });
    std::printf("  %-16s median %6s  quartiles %6s to %-6s  10th-90th %6s to %-6s  not there after %d: "
                "%d of %d\n",
                name, sumsText(median(sums)).c_str(), sumsText(percentile(sums, 0.25)).c_str(),
                sumsText(percentile(sums, 0.75)).c_str(), sumsText(percentile(sums, 0.10)).c_str(),
                sumsText(percentile(sums, 0.90)).c_str(), mostSums, int(missed), int(sums.size()));
}

} // namespace

int main(int argc, char *argv[]) {
    const int children = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const unsigned seed = argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 20261207;
    LearningSettings settings;
    for (int table = 2; table <= 12; ++table)
        settings.tables.append(table);
    const std::vector<Drawing> drawings{
        {"ordinary games", [](const QList<int> &tables) { return std::make_unique<ChanceDrawing>(tables); }},
    };

    const std::clock_t started = std::clock();
    std::printf("Sums until every sum of the tables 2 to 12 (x 1 to 15) is recalled with 95 %%\n"
                "probability at the start of a day, one game of %d sums a day, %d children a profile,\n"
                "seed %u:\n",
                settings.sumsPerGame, children, seed);
    const int mostSums = settings.mostDays * settings.sumsPerGame;
    for (size_t p = 0; p < learningProfiles().size(); ++p) {
        const Profile &profile = learningProfiles()[p];
        std::printf("%s\n", profile.name);
        std::vector<double> medians;
        for (const Drawing &drawing : drawings) {
            std::vector<double> sums;
            for (int child = 0; child < children; ++child) {
                const unsigned childSeed = seed + unsigned(p * 100003 + size_t(child));
                std::mt19937 random(childSeed);
                ChildClock clock(MemoryParameters{}.betweenSessions);
                const ChildMemory memory = drawChild(profile, clock, random);
                const auto program = drawing.make(settings.tables);
                const std::optional<int> needed = sumsUntilKnown(memory, clock, *program, settings, childSeed);
                sums.push_back(needed ? double(*needed) : INFINITY);
            }
            printSpread(drawing.name, sums, mostSums);
            medians.push_back(median(sums));
        }
        if (medians.size() == 2)
            printFigure("practice / ordinary games, median sums", medians[1] / medians[0], "", 0.5);
    }
    std::printf("(%.1f s on the processor)\n", double(std::clock() - started) / CLOCKS_PER_SEC);
}
