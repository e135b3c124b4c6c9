// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/played_game.h"

#include "drill/history_key.h"
#include "drill/transcript.h"
#include "progress/record_pipe.h"

#include <cstring>
#include <thread>

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

// A number right-aligned in three places: "  7", " 12", "144".
std::optional<int> threePlaces(const char *at) {
    if (!isDigit(at[2]))
        return std::nullopt;
    const int ones = at[2] - '0';
    if (at[1] == ' ')
        return at[0] == ' ' ? std::optional(ones) : std::nullopt;
    if (!isDigit(at[1]))
        return std::nullopt;
    const int tens = 10 * (at[1] - '0') + ones;
    if (at[0] == ' ')
        return tens;
    return isDigit(at[0]) ? std::optional(100 * (at[0] - '0') + tens) : std::nullopt;
}

std::optional<WrongSum> checkedSum(int table, int multiplier, int product) {
    if (table < firstTable || table > lastTable || multiplier < 1 ||
        multiplier > multipliersShown || product != table * multiplier)
        return std::nullopt;
    return WrongSum{std::uint8_t(table), std::uint8_t(multiplier)};
}

// "  7  x  12\t\t 84\t 74\r\n": the answer, whatever it was, is not needed.
// A line as the game writes it is read at its fixed places, as thousands are
// read at once; any other spacing number by number.
std::optional<WrongSum> readTranscriptLine(Cursor &line) {
    if (const char *at = line.ahead(16); at && std::memcmp(at + 3, "  x ", 4) == 0 &&
                                         std::memcmp(at + 10, "\t\t", 2) == 0 && at[15] == '\t') {
        const std::optional<int> table = threePlaces(at);
        const std::optional<int> multiplier = threePlaces(at + 7);
        const std::optional<int> product = threePlaces(at + 12);
        if (table && multiplier && product) {
            line.skip(16);
            if (!line.skipLine())
                return std::nullopt;
            return checkedSum(*table, *multiplier, *product);
        }
    }
    line.skipBlanks();
    const std::optional<int> table = line.number();
    line.skipBlanks();
    if (!table || !line.take("x"))
        return std::nullopt;
    line.skipBlanks();
    const std::optional<int> multiplier = line.number();
    if (!multiplier || !line.take("\t\t"))
        return std::nullopt;
    line.skipBlanks();
    const std::optional<int> product = line.number();
    if (!product || !line.take("\t") || !line.skipLine())
        return std::nullopt;
    return checkedSum(*table, *multiplier, *product);
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
        const std::optional<WrongSum> sum = readTranscriptLine(text);
        if (!sum || int(wrongSums.size() - first) == game.sums - game.correct) {
            wrongSums.resize(first);
            return false;
        }
        wrongSums.push_back(*sum);
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

PlayerHistory readPlayerHistory(SettingsBackend &store, const QString &section, int thisYear) {
    PlayerHistory history;
    // The store is read on this thread, the records parsed on another.
    RecordPipe pipe;
    std::thread parser([&pipe, &history, thisYear] {
        RecordBatch batch;
        while (pipe.take(batch)) {
            batch.forEach([&history, thisYear](QByteArrayView key, QByteArrayView record) {
                if (std::optional<PlayedGame> game =
                        readPlayedGame(key, record, history.wrongSums, thisYear))
                    history.games.push_back(*game);
                else
                    ++history.unreadable;
            });
            pipe.giveBack(std::move(batch));
        }
    });
    store.visitAll(section,
                   [&pipe](QByteArrayView key, QByteArrayView record) { pipe.add(key, record); });
    pipe.close();
    parser.join();
    // What growing left spare goes back before the window is made.
    history.games.shrink_to_fit();
    history.wrongSums.shrink_to_fit();
    return history;
}

int percentRight(const PlayedGame &game) {
    return 100 * game.correct / game.sums;
}
