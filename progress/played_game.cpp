// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/played_game.h"

#include "drill/history_key.h"
#include "drill/transcript.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a text from the front, giving up at the first thing out of place.
class Cursor {
  public:
    explicit Cursor(QByteArrayView text) : rest_(text) {}

    bool atEnd() const { return rest_.isEmpty(); }

    bool take(QByteArrayView literal) {
        // By hand: the library's startsWith costs more than these short words.
        if (rest_.size() < literal.size())
            return false;
        for (qsizetype at = 0; at < literal.size(); ++at) {
            if (rest_[at] != literal[at])
                return false;
        }
        rest_ = rest_.sliced(literal.size());
        return true;
    }

    void skipBlanks() {
        while (!rest_.isEmpty() && rest_.front() == ' ')
            rest_ = rest_.sliced(1);
    }

    // Up to five digits, so no count can overflow.
    std::optional<int> number() {
        int value = 0;
        qsizetype digits = 0;
        while (digits < rest_.size() && isDigit(rest_[digits])) {
            if (++digits > 5)
                return std::nullopt;
            value = value * 10 + (rest_[digits - 1] - '0');
        }
        if (digits == 0)
            return std::nullopt;
        rest_ = rest_.sliced(digits);
        return value;
    }

    // Past the next line break; false when there is none.
    bool skipLine() {
        for (qsizetype at = 0; at + 1 < rest_.size(); ++at) {
            if (rest_[at] == '\r' && rest_[at + 1] == '\n') {
                rest_ = rest_.sliced(at + 2);
                return true;
            }
        }
        return false;
    }

  private:
    QByteArrayView rest_;
};

// "  7  x  12\t\t 84\t 74\r\n": the answer, whatever it was, is not needed.
std::optional<WrongSum> readTranscriptLine(Cursor &line) {
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
    if (*table < firstTable || *table > lastTable || *multiplier < 1 ||
        *multiplier > multipliersShown || *product != *table * *multiplier)
        return std::nullopt;
    return WrongSum{*table, *multiplier};
}

bool readRecord(QByteArrayView record, PlayedGame &game) {
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
    game.wrong.reserve(std::size_t(game.sums - game.correct));
    while (!text.atEnd()) {
        const std::optional<WrongSum> sum = readTranscriptLine(text);
        if (!sum)
            return false;
        game.wrong.push_back(*sum);
    }
    return int(game.wrong.size()) == game.sums - game.correct;
}

} // namespace

std::optional<PlayedGame> readPlayedGame(QByteArrayView key, QByteArrayView record) {
    const std::optional<KeyTime> written = readHistoryKey(key);
    if (!written)
        return std::nullopt;
    PlayedGame game;
    game.date = written->date;
    game.time = written->time;
    if (!readRecord(record, game))
        return std::nullopt;
    return game;
}

PlayerHistory readPlayerHistory(SettingsBackend &store, const QString &section) {
    PlayerHistory history;
    store.visitAll(section, [&history](QByteArrayView key, QByteArrayView record) {
        if (std::optional<PlayedGame> game = readPlayedGame(key, record))
            history.games.push_back(std::move(*game));
        else
            ++history.unreadable;
    });
    return history;
}

int percentRight(const PlayedGame &game) {
    return 100 * game.correct / game.sums;
}
