// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/history_digest.h"

#include <QtEndian>

#include <array>
#include <cstring>

namespace {

// Changes whenever what is written changes, so an older digest is read again from the records.
constexpr char format[4] = {'Q', 'H', 'D', '2'};
constexpr qsizetype headerBytes = sizeof format + 4 * 4;
// Far past any year a record can name, and near enough that days never overflow.
const std::int64_t lastDay = QDate(9999, 12, 31).toJulianDay();

// Fewer records are read in a few milliseconds; a digest is rewritten whole.
constexpr qsizetype recordsWorthADigest = 2000;

// Most numbers are small (a day after the one before, a dozen sums), so each
// takes as few bytes as it needs, seven bits a byte: a long history's digest
// is less than half the size fixed widths would make it, and read as much faster.
void putNumber(QByteArray &bytes, std::uint64_t number) {
    for (; number >= 0x80; number >>= 7)
        bytes.append(char(0x80 | (number & 0x7f)));
    bytes.append(char(number));
}

void putFixed(QByteArray &bytes, std::uint32_t number) {
    const std::uint32_t little = qToLittleEndian(number);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}

// A wrong sum in one byte: 14 tables of 15 multipliers.
char sumByte(const WrongSum &sum) {
    return char((sum.table - firstTable) * multipliersShown + sum.multiplier - 1);
}

// The other way, looked up: it was a third of reading a long digest.
constexpr std::array<WrongSum, tablesShown * multipliersShown> sumOfByte = [] {
    std::array<WrongSum, tablesShown * multipliersShown> sums{};
    for (std::size_t code = 0; code < sums.size(); ++code)
        sums[code] = {std::uint8_t(firstTable + code / multipliersShown),
                      std::uint8_t(1 + code % multipliersShown)};
    return sums;
}();

// Reads what the writer above wrote, refusing to read past the end.
class Reader {
  public:
    explicit Reader(QByteArrayView bytes)
        : at_(reinterpret_cast<const unsigned char *>(bytes.data())), end_(at_ + bytes.size()) {}

    bool atEnd() const { return at_ == end_; }

    std::optional<std::uint32_t> fixed() {
        if (end_ - at_ < 4)
            return std::nullopt;
        std::uint32_t little = 0;
        std::memcpy(&little, at_, sizeof little);
        at_ += sizeof little;
        return qFromLittleEndian(little);
    }

    // Nothing past the end, or for more than 35 bits.
    std::optional<std::uint64_t> number() {
        std::uint64_t value = 0;
        for (int shift = 0; at_ != end_ && shift < 35; shift += 7) {
            const unsigned char byte = *at_++;
            value |= std::uint64_t(byte & 0x7f) << shift;
            if (byte < 0x80)
                return value;
        }
        return std::nullopt;
    }

    bool sum(WrongSum &sum) {
        if (at_ == end_ || *at_ >= sumOfByte.size())
            return false;
        sum = sumOfByte[*at_++];
        return true;
    }

  private:
    const unsigned char *at_;
    const unsigned char *end_;
};

// Days run forwards as a rule; a clock put back runs them back.
std::uint64_t zigzag(std::int64_t step) {
    return (std::uint64_t(step) << 1) ^ std::uint64_t(step >> 63);
}
std::int64_t unzigzag(std::uint64_t code) {
    return std::int64_t(code >> 1) ^ -std::int64_t(code & 1);
}

} // namespace

QByteArray historyDigest(const PlayerHistory &history, int thisYear) {
    QByteArray bytes;
    bytes.reserve(headerBytes + qsizetype(history.games.size()) * 8 +
                  qsizetype(history.wrongSums.size()));
    bytes.append(format, sizeof format);
    putFixed(bytes, std::uint32_t(thisYear));
    putFixed(bytes, std::uint32_t(history.unreadable));
    putFixed(bytes, std::uint32_t(history.games.size()));
    putFixed(bytes, std::uint32_t(history.wrongSums.size()));
    std::int64_t day = 0;
    for (const PlayedGame &game : history.games) {
        putNumber(bytes, zigzag(game.date.toJulianDay() - day));
        day = game.date.toJulianDay();
        // A record's time is to the second.
        putNumber(bytes, std::uint64_t(game.time.msecsSinceStartOfDay() / 1000));
        putNumber(bytes, std::uint64_t(game.correct));
        putNumber(bytes, std::uint64_t(game.sums - game.correct));
    }
    // In the order of the games: read from both ends, the list holds the
    // later part's backwards.
    for (const PlayedGame &game : history.games) {
        for (const WrongSum &sum : history.wrongSumsOf(game))
            bytes.append(sumByte(sum));
    }
    return bytes;
}

void keepHistoryDigest(SettingsBackend &store, const QString &section, const PlayerHistory &history,
                       const HistoryRead &read, int thisYear) {
    if (!read.through || read.records < recordsWorthADigest)
        return;
    store.keepDigest(section, {historyDigest(history, thisYear), *read.through,
                               qsizetype(history.games.size()) + history.unreadable});
}

void refreshHistoryDigest(SettingsBackend &store, const QString &section, int thisYear) {
    HistoryRead read;
    const PlayerHistory history = readPlayerHistory(store, section, thisYear, &read);
    keepHistoryDigest(store, section, history, read, thisYear);
}

std::optional<PlayerHistory> historyFromDigest(QByteArrayView digest, int thisYear) {
    if (digest.size() < headerBytes || std::memcmp(digest.data(), format, sizeof format) != 0)
        return std::nullopt;
    Reader bytes(digest.sliced(sizeof format));
    const std::optional<std::uint32_t> year = bytes.fixed();
    const std::optional<std::uint32_t> unreadable = bytes.fixed();
    const std::optional<std::uint32_t> games = bytes.fixed();
    const std::optional<std::uint32_t> wrongSums = bytes.fixed();
    // Sizes are checked before anything is made of them: the bytes may have
    // been edited. No game takes fewer than four bytes, nor a wrong sum one.
    if (year != std::uint32_t(thisYear) || *unreadable > INT_MAX ||
        qsizetype(*games) * 4 + qsizetype(*wrongSums) > digest.size())
        return std::nullopt;
    PlayerHistory history;
    history.unreadable = int(*unreadable);
    history.games.resize(*games);
    std::uint64_t firstWrong = 0;
    std::int64_t day = 0;
    for (PlayedGame &game : history.games) {
        const std::optional<std::uint64_t> step = bytes.number();
        const std::optional<std::uint64_t> second = bytes.number();
        const std::optional<std::uint64_t> correct = bytes.number();
        const std::optional<std::uint64_t> wrong = bytes.number();
        // As a record allows: at most five digits a count, and a game of one sum at least.
        if (!step || !second || !correct || !wrong || *second >= 24 * 60 * 60 ||
            *correct + *wrong < 1 || *correct + *wrong > 99999)
            return std::nullopt;
        day += unzigzag(*step);
        if (day < 0 || day > lastDay)
            return std::nullopt;
        game.date = QDate::fromJulianDay(day);
        game.time = QTime::fromMSecsSinceStartOfDay(int(*second) * 1000);
        game.correct = int(*correct);
        game.sums = int(*correct + *wrong);
        game.firstWrong = std::uint32_t(firstWrong);
        firstWrong += *wrong;
        if (!game.date.isValid() || firstWrong > *wrongSums)
            return std::nullopt;
    }
    if (firstWrong != *wrongSums)
        return std::nullopt;
    history.wrongSums.resize(*wrongSums);
    for (WrongSum &sum : history.wrongSums) {
        if (!bytes.sum(sum))
            return std::nullopt;
    }
    if (!bytes.atEnd())
        return std::nullopt;
    return history;
}
