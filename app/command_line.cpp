// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "app/command_line.h"

#include "platform/app_info.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

constexpr char usage[] = "Usage: quorvel [--help | --version]\n";

constexpr char help[] = "Practise the multiplication tables against the clock.\n"
                        "\n"
                        "Started without arguments, the game opens in its window.\n"
                        "\n"
                        "  --help     show this help and exit\n"
                        "  --version  show the version and licence and exit\n";

constexpr char licence[] =
    "Copyright (C) 2026 The Quorvel developers\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

// A full disk or a closed terminal must not pass for success.
int flushed() {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    std::fputs("quorvel: cannot write to standard output\n", stderr);
    return 1;
}

// The argument is echoed with its control characters masked, so that it
// cannot steer the terminal.
int refused(const char *message, const char *argument) {
    std::fprintf(stderr, "quorvel: %s '", message);
    for (const char *c = argument; *c; ++c)
        std::fputc(std::iscntrl(static_cast<unsigned char>(*c)) ? '?' : *c, stderr);
    std::fprintf(stderr, "'\n%sTry 'quorvel --help' for more information.\n", usage);
    return 2;
}

bool isOption(const char *argument) {
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "--version") == 0;
}

} // namespace

std::optional<int> answerCommandLine(int argc, const char *const argv[]) {
    if (argc <= 1)
        return std::nullopt;
    if (!isOption(argv[1]))
        return refused("unknown argument", argv[1]);
    if (argc > 2)
        return refused("unexpected argument", argv[2]);
    if (std::strcmp(argv[1], "--help") == 0)
        std::printf("%s%s", usage, help);
    else
        std::printf("Quorvel %d.%d.%d\n%s", versionMajor(), versionMinor(), versionPatch(),
                    licence);
    return flushed();
}
