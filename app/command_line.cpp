// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "app/command_line.h"

#include "platform/app_info.h"

#include <langinfo.h>

#include <algorithm>
#include <clocale>
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

// Characters a terminal may act on rather than show: C0 and C1 controls,
// and the marks that turn the direction of the text after them.
bool steersTerminal(char32_t c) {
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x61c || c == 0x200e || c == 0x200f ||
           (c >= 0x2028 && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

// The length of the UTF-8 sequence at text, and its character; 0 when the
// bytes there are not one.
int decodeUtf8(const unsigned char *text, char32_t &c) {
    const unsigned char lead = text[0];
    const int length = lead < 0x80                   ? 1
                       : lead >= 0xc2 && lead < 0xe0 ? 2
                       : lead >= 0xe0 && lead < 0xf0 ? 3
                       : lead >= 0xf0 && lead < 0xf5 ? 4
                                                     : 0;
    if (length == 0)
        return 0;
    c = length == 1 ? lead : lead & (0x7f >> length);
    for (int i = 1; i < length; ++i) {
        if ((text[i] & 0xc0) != 0x80)
            return 0;
        c = (c << 6) | (text[i] & 0x3f);
    }
    const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    const bool surrogate = c >= 0xd800 && c <= 0xdfff;
    return overlong || surrogate || c > 0x10ffff ? 0 : length;
}

// The argument is echoed so that it cannot steer the terminal: what could is
// masked, and so is every byte beyond ASCII where the terminal does not take
// UTF-8, since some of those are controls there.
void echo(const char *argument) {
    std::setlocale(LC_CTYPE, "");
    const bool utf8 = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
    const auto *text = reinterpret_cast<const unsigned char *>(argument);
    while (*text) {
        char32_t c = 0;
        const int length = utf8 ? decodeUtf8(text, c) : (*text < 0x80 ? 1 : 0);
        if (length == 0 || steersTerminal(length == 1 ? *text : c)) {
            std::fputc('?', stderr);
            text += std::max(length, 1);
            continue;
        }
        std::fwrite(text, 1, std::size_t(length), stderr);
        text += length;
    }
}

int refused(const char *message, const char *argument) {
    std::fprintf(stderr, "quorvel: %s '", message);
    echo(argument);
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
