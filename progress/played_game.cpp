// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/played_game.h"

#include "drill/history_key.h"
#include "drill/transcript.h"

#include <cstring>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a text from the front, giving up at the first thing out of place.
// On plain pointers: thousands of records are read at once.
class Cursor {
  public:
    explicit Cursor(QByteArrayView text) : at_(text.data()), end_(text.data() + text.size()) {}

    bool atEnd() const { return at_ == end_; }

    // The next `count` bytes, or nothing when fewer are left.
    const char *ahead(std::ptrdiff_t count) const { return end_ - at_ >= count ? at_ : nullptr; }
    void skip(std::ptrdiff_t count) { at_ += count; }

    bool take(QByteArrayView literal) {
        if (end_ - at_ < literal.size() || std::memcmp(at_, literal.data(), literal.size()) != 0)
            return false;
        at_ += literal.size();
        return true;
    }

    void skipBlanks() {
        while (at_ != end_ && *at_ == ' ')
            ++at_;
    }

    // Up to five digits, so no count can overflow.
    std::optional<int> number() {
        const char *digit = at_;
        int value = 0;
        for (; digit != end_ && isDigit(*digit); ++digit) {
            if (digit - at_ == 5)
                return std::nullopt;
            value = value * 10 + (*digit - '0');
        }
        if (digit == at_)
            return std::nullopt;
        at_ = digit;
        return value;
    }

    // Past the next line break; false when there is none. The rest of a
    // line is a few bytes, read here faster than a library call would.
    bool skipLine() {
        for (const char *cr = at_; end_ - cr >= 2; ++cr) {
            if (cr[0] == '\r' && cr[1] == '\n') {
                at_ = cr + 2;
                return true;
            }
        }
        return false;
    }

  private:
    const char *at_;
    const char *end_;
};

// A number right-aligned in three places: "  7", " 12", "144". Worked out
// without a branch: whether a number has one digit or two is a coin toss the
// processor would guess wrong half the time. -1 when it is not such a number:
// an optional, built in two halves, would cost a stall in reading it back.
int threePlaces(const char *at) {
    const unsigned hundreds = unsigned(at[0] - '0');
    const unsigned tens = unsigned(at[1] - '0');
    const unsigned ones = unsigned(at[2] - '0');
    const bool blankFirst = at[0] == ' ';
    const bool hasHundreds = hundreds <= 9;
    const bool hasTens = tens <= 9;
    const bool fits =
        (ones <= 9) & ((blankFirst & (at[1] == ' ')) | (hasTens & (blankFirst | hasHundreds)));
    const int value = int(hasHundreds * hundreds * 100 + hasTens * tens * 10 + ones);
    return fits ? value : -1;
}

bool isShownSum(int table, int multiplier, int product) {
    return table >= firstTable && table <= lastTable && multiplier >= 1 &&
           multiplier <= multipliersShown && product == table * multiplier;
}

// Adds the sum the line tells to `wrongSums`; false when it tells none.
bool addSum(int table, int multiplier, int product, std::vector<WrongSum> &wrongSums) {
    if (!isShownSum(table, multiplier, product))
        return false;
    // Built in place: one made apart and copied in stalls on the copy.
    wrongSums.push_back({std::uint8_t(table), std::uint8_t(multiplier)});
    return true;
}

// "  7  x  12\t\t 84\t 74\r\n": the answer, whatever it was, is not needed.
// A line as the game writes it is read at its fixed places, as thousands are
// read at once; any other spacing number by number.
bool readTranscriptLine(Cursor &line, std::vector<WrongSum> &wrongSums) {
    if (const char *at = line.ahead(16); at && std::memcmp(at + 3, "  x ", 4) == 0 &&
                                         std::memcmp(at + 10, "\t\t", 2) == 0 && at[15] == '\t') {
        const int table = threePlaces(at);
        const int multiplier = threePlaces(at + 7);
        const int product = threePlaces(at + 12);
        if ((table | multiplier | product) >= 0) {
            line.skip(16);
            return line.skipLine() && addSum(table, multiplier, product, wrongSums);
        }
    }
    line.skipBlanks();
    const std::optional<int> table = line.number();
    line.skipBlanks();
    if (!table || !line.take("x"))
        return false;
    line.skipBlanks();
    const std::optional<int> multiplier = line.number();
    if (!multiplier || !line.take("\t\t"))
        return false;
    line.skipBlanks();
    const std::optional<int> product = line.number();
    return product && line.take("\t") && line.skipLine() &&
           addSum(*table, *multiplier, *product, wrongSums);
}

bool readRecord(QByteArrayView record, PlayedGame &game, std::vector<WrongSum> &wrongSums) {
    static const QByteArray header = transcriptHeader.toUtf8();
    Cursor text(record);
    if (!text.take("You have scored "))
        return false;
    const std::optional<int> correct = text.number();
    if (!correct || !text.take("/"))
        return false;
    const std::optional<int> sums = text.number();
    if (!sums || !text.take(".\r\n\r\n") || *sums < 1 || *correct > *sums)
        return false;
    game.correct = *correct;
    game.sums = *sums;
    if (text.atEnd())
        return game.correct == game.sums;
    if (!text.take(header))
        return false;
    const std::size_t first = wrongSums.size();
    while (!text.atEnd()) {
        if (int(wrongSums.size() - first) == game.sums - game.correct ||
            !readTranscriptLine(text, wrongSums)) {
            wrongSums.resize(first);
            return false;
        }
    }
    if (int(wrongSums.size() - first) != game.sums - game.correct) {
        wrongSums.resize(first);
        return false;
    }
    game.firstWrong = std::uint32_t(first);
    return true;
}

} // namespace

std::optional<PlayedGame> readPlayedGame(QByteArrayView key, QByteArrayView record,
                                         std::vector<WrongSum> &wrongSums, int thisYear) {
    const std::optional<KeyTime> written = readHistoryKey(key, thisYear);
    if (!written)
        return std::nullopt;
    PlayedGame game;
    game.date = written->date;
    game.time = written->time;
    if (!readRecord(record, game, wrongSums))
        return std::nullopt;
    return game;
}

namespace {

void addRecord(PlayerHistory &history, QByteArrayView key, QByteArrayView record, int thisYear) {
    if (std::optional<PlayedGame> game = readPlayedGame(key, record, history.wrongSums, thisYear))
        history.games.push_back(*game);
    else
        ++history.unreadable;
}

// The games of `later`, read from the last backwards, after those of
// `history`, each with its own wrong sums.
void append(PlayerHistory &history, const PlayerHistory &later) {
    const auto movedBy = std::uint32_t(history.wrongSums.size());
    history.games.reserve(history.games.size() + later.games.size());
    for (auto game = later.games.rbegin(); game != later.games.rend(); ++game) {
        history.games.push_back(*game);
        history.games.back().firstWrong += movedBy;
    }
    // Grown to fit exactly: doubling would leave a megabyte for the shrinking to copy again.
    history.wrongSums.reserve(history.wrongSums.size() + later.wrongSums.size());
    history.wrongSums.insert(history.wrongSums.end(), later.wrongSums.begin(),
                             later.wrongSums.end());
    history.unreadable += later.unreadable;
}

} // namespace

PlayerHistory readPlayerHistory(SettingsBackend &store, const QString &section, int thisYear) {
    // A long history is read from both ends at once, the later part on another thread.
    PlayerHistory history;
    PlayerHistory later;
    store.visitAll(
        section,
        [&history, thisYear](QByteArrayView key, QByteArrayView record) {
            addRecord(history, key, record, thisYear);
        },
        [&later, thisYear](QByteArrayView key, QByteArrayView record) {
            addRecord(later, key, record, thisYear);
        });
    append(history, later);
    // What growing left spare goes back before the window is made.
    history.games.shrink_to_fit();
    history.wrongSums.shrink_to_fit();
    return history;
}

int percentRight(const PlayedGame &game) {
    return 100 * game.correct / game.sums;
}
