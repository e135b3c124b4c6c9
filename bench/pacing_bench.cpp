// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Plays real games in the real program on an X server, nobody answering, and
// prints how long each sum stayed on screen against the time allowed: from
// the drawing that shows a sum to the drawing that shows the next, each timed
// to the microsecond as the server's report of it arrives here. Also counts
// how often the program's main thread woke meanwhile, against the blinking
// cursor of its name prompt alone.
//
// Usage: pacing_bench <program> [games per pace]   (9 timed sums a game)
#include "bench/figures.h"
#include "bench/spawned_program.h"
#include "bench/x_screen.h"
#include "platform/sqlite_store.h"

#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr xcb_keysym_t returnKey = 0xff0d;
constexpr xcb_keysym_t f2Key = 0xffbf;
constexpr int sumsPerGame = 10;
// Wider than the answer box's blinking cursor, narrower than anything a new
// sum redraws.
constexpr int sumDrawingWidth = 20;

struct Pace {
    const char *name;
    xcb_keysym_t key; // with Ctrl
    int allowedMs;
};

// The times the main thread went to sleep and was woken again, so far: by
// its event loop's timers and files, and by each answer the X server gives.
long wakeUps(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) +
                         "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
            return std::atol(line.c_str() + 24);
    }
    return 0;
}

// With nothing else going on in the program: its name prompt's cursor blinking.
double cursorWakeUpsPerSecond(Screen &screen, xcb_window_t prompt, pid_t pid) {
    constexpr double watchedMs = 6000;
    screen.focus(prompt);
    screen.idle(500);
    const long before = wakeUps(pid);
    screen.idle(watchedMs);
    return double(wakeUps(pid) - before) * 1000 / watchedMs;
}

struct Game {
    std::vector<double> shown; // when each sum was first drawn; fewer when one never was
    long wakeUps = 0;          // from the first sum drawn to the last
};

Game playOneGame(Screen &screen, xcb_window_t window, pid_t pid, int allowedMs) {
    Game game;
    std::vector<double> &shown = game.shown;
    long firstWakeUps = 0;
    screen.focus(window);
    screen.press(f2Key);
    double waitMs = 5000;
    while (int(shown.size()) < sumsPerGame) {
        const std::optional<double> drawn = screen.waitForDrawing(window, sumDrawingWidth, waitMs);
        if (!drawn)
            break;
        // The rest of a sum's drawing comes in the same moment; the next sum
        // not before most of its time.
        if (shown.empty() || *drawn - shown.back() > allowedMs / 2.0) {
            shown.push_back(*drawn);
            waitMs = allowedMs + 5000;
            const long now = wakeUps(pid);
            if (shown.size() == 1)
                firstWakeUps = now;
            game.wakeUps = now - firstWakeUps;
        }
    }
    // The end-of-game message.
    if (const std::optional<xcb_window_t> message = screen.waitForDrawnDialog()) {
        screen.focus(*message);
        screen.press(returnKey);
        screen.waitForUnmapped(*message);
    }
    return game;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: pacing_bench <program> [games per pace]\n");
        return 2;
    }
    const int games = argc > 2 ? std::max(1, std::atoi(argv[2])) : 2;
    Screen screen;
    if (!screen.ok()) {
        std::fprintf(stderr, "pacing_bench: no X display\n");
        return 1;
    }
    QTemporaryDir home;
    // Sam, with the tables of 5 and 10 ticked.
    SqliteStore(home.path() + QStringLiteral("/Quorvel/settings.sqlite"))
        .write(QStringLiteral("Options"), {{QStringLiteral("LastPlayer"), QStringLiteral("Sam")},
                                           {QStringLiteral("Times 3"), QStringLiteral("1")},
                                           {QStringLiteral("Times 8"), QStringLiteral("1")}});
    ProgramEnvironment env(home.path());
    const pid_t pid = env.start(argv[1]);
    const std::optional<xcb_window_t> prompt = pid ? screen.waitForDrawnDialog() : std::nullopt;
    if (!prompt) {
        std::fprintf(stderr, "pacing_bench: the program never asked for a name\n");
        return 1;
    }
    const double cursorPerSecond = cursorWakeUpsPerSecond(screen, *prompt, pid);
    screen.press(returnKey);
    screen.waitForUnmapped(*prompt);
    const xcb_window_t window = screen.mainWindow();
    screen.watchEveryDrawing(window);

    const Pace paces[] = {{"slow", 's', 7500}, {"medium", 'm', 5000}, {"fast", 'f', 3000}};
    std::printf("Time on screen beyond the time allowed, nobody answering (%d games of %d timed "
                "sums per pace);\nthe main thread's wake-ups a second meanwhile, and a sum beyond "
                "those of a blinking\ncursor alone (%.1f a second at the name prompt):\n",
                games, sumsPerGame - 1, cursorPerSecond);
    std::printf("  %-7s %9s %5s %6s %10s %10s %10s %9s %9s\n", "pace", "allowed", "sums", "early",
                "median", "minimum", "maximum", "wakes/s", "more/sum");
    int status = 0;
    for (const Pace &pace : paces) {
        screen.focus(window);
        screen.press(pace.key, true);
        screen.idle(300);
        std::vector<double> beyond;
        long paceWakeUps = 0;
        double paceMs = 0;
        for (int game = 0; game < games; ++game) {
            const Game played = playOneGame(screen, window, pid, pace.allowedMs);
            const std::vector<double> &shown = played.shown;
            if (int(shown.size()) < sumsPerGame) {
                std::fprintf(stderr, "pacing_bench: a sum was never drawn at the %s pace\n",
                             pace.name);
                status = 1;
            }
            for (size_t sum = 1; sum < shown.size(); ++sum) {
                beyond.push_back(shown[sum] - shown[sum - 1] - pace.allowedMs);
                if (beyond.back() < 0) {
                    std::fprintf(stderr,
                                 "pacing_bench: FAILED: a sum was on screen %.3f ms less than "
                                 "the %d ms allowed at the %s pace\n",
                                 -beyond.back(), pace.allowedMs, pace.name);
                    status = 1;
                }
            }
            if (shown.size() > 1) {
                paceWakeUps += played.wakeUps;
                paceMs += shown.back() - shown.front();
            }
        }
        if (beyond.empty())
            continue;
        const auto early =
            std::count_if(beyond.begin(), beyond.end(), [](double ms) { return ms < 0; });
        const double perSecond = double(paceWakeUps) * 1000 / paceMs;
        // Beyond the cursor's, over the time a sum is on screen.
        const double extraPerSum =
            (perSecond - cursorPerSecond) * (paceMs / double(beyond.size())) / 1000;
        std::printf("  %-7s %6d ms %5zu %6td %7.2f ms %7.2f ms %7.2f ms %9.1f %9.2f\n", pace.name,
                    pace.allowedMs, beyond.size(), early, median(beyond),
                    *std::min_element(beyond.begin(), beyond.end()),
                    *std::max_element(beyond.begin(), beyond.end()), perSecond, extraPerSum);
        std::fflush(stdout);
    }
    killProgram(pid);
    return status;
}
