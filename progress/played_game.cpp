#include "progress/played_game.h"

#include "drill/transcript.h"

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads a text from the front, giving up at the first thing out of place.
class Cursor {
  public:
    explicit Cursor(QStringView text) : rest_(text) {}

    bool atEnd() const { return rest_.isEmpty(); }

    bool take(QStringView literal) {
        if (!rest_.startsWith(literal))
            return false;
        rest_ = rest_.mid(literal.size());
        return true;
    }

    void skipBlanks() {
        while (!rest_.isEmpty() && rest_.front() == QLatin1Char(' '))
            rest_ = rest_.mid(1);
    }

    // Up to five digits, so no count can overflow.
    std::optional<int> number() {
        int value = 0;
        qsizetype digits = 0;
        while (digits < rest_.size() && isDigit(rest_[digits])) {
            if (++digits > 5)
                return std::nullopt;
            value = value * 10 + (rest_[digits - 1].unicode() - '0');
        }
        if (digits == 0)
            return std::nullopt;
        rest_ = rest_.mid(digits);
        return value;
    }

    // The text up to the next line break, which is taken too.
    std::optional<QStringView> line() {
        const qsizetype end = rest_.indexOf(u"\r\n");
        if (end < 0)
            return std::nullopt;
        const QStringView text = rest_.first(end);
        rest_ = rest_.mid(end + 2);
        return text;
    }

  private:
    QStringView rest_;
};

int twoDigits(QStringView text, qsizetype at) {
    if (!isDigit(text[at]) || !isDigit(text[at + 1]))
        return -1;
    return (text[at].unicode() - '0') * 10 + (text[at + 1].unicode() - '0');
}

// Any separator will do: the pattern allows regional ones.
bool isSeparator(QChar c) {
    return !isDigit(c) && !c.isSpace();
}

bool readKey(QStringView key, PlayedGame &game) {
    if (key.size() != 17 || key[8] != QLatin1Char(' '))
        return false;
    for (qsizetype at : {2, 5, 11, 14}) {
        if (!isSeparator(key[at]))
            return false;
    }
    int parts[6];
    for (int i = 0; i < 6; ++i) {
        parts[i] = twoDigits(key, i * 3);
        if (parts[i] < 0)
            return false;
    }
    game.date = QDate(2000 + parts[2], parts[1], parts[0]);
    game.time = QTime(parts[3], parts[4], parts[5]);
    return game.date.isValid() && game.time.isValid();
}

// "  7  x  12\t\t 84\t 74": the answer, whatever it was, is not needed.
std::optional<WrongSum> readTranscriptLine(QStringView text) {
    Cursor line(text);
    line.skipBlanks();
    const std::optional<int> table = line.number();
    line.skipBlanks();
    if (!table || !line.take(u"x"))
        return std::nullopt;
    line.skipBlanks();
    const std::optional<int> multiplier = line.number();
    if (!multiplier || !line.take(u"\t\t"))
        return std::nullopt;
    line.skipBlanks();
    const std::optional<int> product = line.number();
    if (!product || !line.take(u"\t"))
        return std::nullopt;
    if (*table < firstTable || *table > lastTable || *multiplier < 1 ||
        *multiplier > multipliersShown || *product != *table * *multiplier)
        return std::nullopt;
    return WrongSum{*table, *multiplier};
}

bool readRecord(QStringView record, PlayedGame &game) {
    Cursor text(record);
    if (!text.take(u"You have scored "))
        return false;
    const std::optional<int> correct = text.number();
    if (!correct || !text.take(u"/"))
        return false;
    const std::optional<int> sums = text.number();
    if (!sums || !text.take(u".\r\n\r\n") || *sums < 1 || *correct > *sums)
        return false;
    game.correct = *correct;
    game.sums = *sums;
    if (text.atEnd())
        return game.correct == game.sums;
    if (!text.take(transcriptHeader))
        return false;
    game.wrong.reserve(std::size_t(game.sums - game.correct));
    while (!text.atEnd()) {
        const std::optional<QStringView> line = text.line();
        const std::optional<WrongSum> sum = line ? readTranscriptLine(*line) : std::nullopt;
        if (!sum)
            return false;
        game.wrong.push_back(*sum);
    }
    return int(game.wrong.size()) == game.sums - game.correct;
}

} // namespace

std::optional<PlayedGame> readPlayedGame(QStringView key, QStringView record) {
    PlayedGame game;
    if (!readKey(key, game) || !readRecord(record, game))
        return std::nullopt;
    return game;
}

PlayerHistory readPlayerHistory(const SettingPairs &records) {
    PlayerHistory history;
    history.games.reserve(records.size());
    for (const auto &[key, record] : records) {
        if (std::optional<PlayedGame> game = readPlayedGame(key, record))
            history.games.push_back(std::move(*game));
        else
            ++history.unreadable;
    }
    return history;
}

int percentRight(const PlayedGame &game) {
    return 100 * game.correct / game.sums;
}
