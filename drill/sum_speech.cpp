// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/sum_speech.h"

#include "drill/answer_test.h"
#include "drill/blanks.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>

namespace {

QString number(int value) {
    return QString::number(value);
}

QString outcomeSpeech(const AskedSum &last, bool brief) {
    const Sum &sum = last.sum;
    const QString product = number(sum.table * sum.multiplier);
    switch (last.outcome) {
    case Outcome::Right:
        //: Spoken by a screen reader after a right answer.
        return QCoreApplication::translate("SumSpeech", "Right!");
    case Outcome::Wrong:
        //: Spoken after a wrong answer: %1 times %2 is %3, the right answer.
        return brief ? QCoreApplication::translate("SumSpeech", "Wrong: %1.").arg(product)
                     : QCoreApplication::translate("SumSpeech", "Wrong, %1 times %2 is %3.")
                           .arg(number(sum.table), number(sum.multiplier), product);
    case Outcome::OutOfTime:
        //: Spoken when a sum's time ran out: %1 times %2 is %3, the right answer.
        return brief ? QCoreApplication::translate("SumSpeech", "Time's up: %1.").arg(product)
                     : QCoreApplication::translate("SumSpeech", "Time's up, %1 times %2 is %3.")
                           .arg(number(sum.table), number(sum.multiplier), product);
    }
    return {};
}

// A number up to 20 is about a word said; a larger one two, from 100 four.
double wordsSaid(const QString &text) {
    static const QRegularExpression digits(QStringLiteral("^\\D*(\\d+)\\D*$"));
    double words = 0;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = digits.match(word);
        const int value = match.hasMatch() ? match.captured(1).toInt() : 0;
        words += value >= 100 ? 4 : value > 20 ? 2 : 1;
    }
    return words;
}

// About a screen reader's usual pace.
constexpr double wordsPerSecond = 3;

} // namespace

Outcome outcomeOf(const QString &answer, const Sum &sum) {
    if (isRightAnswer(answer, sum.table * sum.multiplier))
        return Outcome::Right;
    return trimBlanks(answer).isEmpty() ? Outcome::OutOfTime : Outcome::Wrong;
}

QString sumSpeech(const std::optional<AskedSum> &last, const Sum &next, int number, int count,
                  int millisecondsAllowed) {
    //: Spoken by a screen reader: %1 is the sum's number in the game, %2 the number of sums,
    //: %3 and %4 the two factors.
    const QString whole = QCoreApplication::translate("SumSpeech", "Sum %1 of %2: %3 times %4")
                              .arg(::number(number), ::number(count), ::number(next.table),
                                   ::number(next.multiplier));
    //: The new sum alone, when there is no time to say more: %1 times %2.
    const QString bare = QCoreApplication::translate("SumSpeech", "%1 times %2")
                             .arg(::number(next.table), ::number(next.multiplier));
    if (!last)
        return whole;
    const std::array<QString, 3> cuts = {
        outcomeSpeech(*last, false) + QLatin1Char(' ') + whole,
        outcomeSpeech(*last, false) + QLatin1Char(' ') + bare,
        outcomeSpeech(*last, true) + QLatin1Char(' ') + bare,
    };
    const double wordsAllowed = wordsPerSecond * millisecondsAllowed / 1000.0;
    for (const QString &speech : cuts)
        if (wordsSaid(speech) <= wordsAllowed)
            return speech;
    return bare;
}
