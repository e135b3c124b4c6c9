// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/played_game.h"

#include "drill/history_key.h"
#include "drill/transcript.h"
#include "progress/history_digest.h"

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

// The games of `part` after those of `history`, each with its own wrong sums;
// `part` read from its last game backwards when `backwards`.
void append(PlayerHistory &history, const PlayerHistory &part, bool backwards) {
    const auto movedBy = std::uint32_t(history.wrongSums.size());
    const auto add = [&history, movedBy](const PlayedGame &game) {
        history.games.push_back(game);
        history.games.back().firstWrong += movedBy;
    };
    if (backwards)
        std::for_each(part.games.rbegin(), part.games.rend(), add);
    else
        std::for_each(part.games.begin(), part.games.end(), add);
    history.wrongSums.insert(history.wrongSums.end(), part.wrongSums.begin(), part.wrongSums.end());
    history.unreadable += part.unreadable;
}

// The digest the store keeps of the section, where it is sound and tells
// every record it covers.
std::optional<std::pair<PlayerHistory, qint64>> digested(SettingsBackend &store,
                                                         const QString &section, int thisYear) {
    const std::optional<SettingsBackend::Digest> digest = store.readDigest(section);
    if (!digest)
        return std::nullopt;
    std::optional<PlayerHistory> history = historyFromDigest(digest->bytes, thisYear);
    if (!history || qsizetype(history->games.size()) + history->unreadable != digest->pairs)
        return std::nullopt;
    return std::pair(std::move(*history), digest->through);
}

} // namespace

PlayerHistory readPlayerHistory(SettingsBackend &store, const QString &section, int thisYear,
                                HistoryRead *read) {
    PlayerHistory history;
    std::optional<qint64> after;
    if (auto kept = digested(store, section, thisYear))
        std::tie(history, after) = std::move(*kept);
    // What the digest lacks, read from both ends at once, the later part on another thread.
    PlayerHistory front;
    PlayerHistory later;
    const std::optional<qint64> through = store.visitAfter(
        section, after,
        [&front, thisYear](QByteArrayView key, QByteArrayView record) {
            addRecord(front, key, record, thisYear);
        },
        [&later, thisYear](QByteArrayView key, QByteArrayView record) {
            addRecord(later, key, record, thisYear);
        });
    if (read) {
        *read = {through, qsizetype(front.games.size() + later.games.size()) + front.unreadable +
                              later.unreadable};
    }
    // Grown once to fit exactly: doubling would leave megabytes spare.
    history.games.reserve(history.games.size() + front.games.size() + later.games.size());
    history.wrongSums.reserve(history.wrongSums.size() + front.wrongSums.size() +
                              later.wrongSums.size());
    append(history, front, false);
    append(history, later, true);
    return history;
}

int percentRight(const PlayedGame &game) {
    return 100 * game.correct / game.sums;
}
