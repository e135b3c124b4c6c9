// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/record_text.h"

#include "drill/score.h"
#include "drill/times_sign.h"
#include "drill/transcript.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QRegularExpression>

namespace {

QString translatedHeader() {
    // The sum lines hold no letters, so they run from the left whatever the
    // language; a right-to-left heading line must too, to stand over its columns.
    const QString start =
        QGuiApplication::isRightToLeft() ? QStringLiteral("\u200E  ") : QStringLiteral("  ");
    return start +
           //: Column heading over the sums answered wrongly; keep it short.
           QCoreApplication::translate("EndOfGame", "Sums") + QStringLiteral("\t\t") +
           //: Column heading over the right answers; keep it short.
           QCoreApplication::translate("EndOfGame", "Correct") + QStringLiteral("\t") +
           //: Column heading over the player's answers; keep it short.
           QCoreApplication::translate("EndOfGame", "Yours") + QStringLiteral("\r\n");
}

// "  7  x  12\t\t..." with the school's own sign.
QString withTimesSign(QStringView sums) {
    static const QRegularExpression sign(QStringLiteral("^( *[0-9]+  )x( +[0-9]+\t\t)"),
                                         QRegularExpression::MultilineOption);
    return sums.toString().replace(sign,
                                   QStringLiteral("\\1") + timesSign() + QStringLiteral("\\2"));
}

const QRegularExpression &scoreLinePattern() {
    static const QRegularExpression scored(
        QLatin1Char('^') +
        QRegularExpression::escape(QLatin1String(scoredText))
            .replace(QLatin1String("\\%1"), QLatin1String("([0-9]+)"))
            .replace(QLatin1String("\\%2"), QLatin1String("([0-9]+)")) +
        QStringLiteral("\r\n\r\n"));
    return scored;
}

QString translatedScore(const QRegularExpressionMatch &match) {
    return QCoreApplication::translate("EndOfGame", scoredText)
        .arg(match.captured(1), match.captured(2));
}

QString sentenceFor(const QString &line) {
    static const QRegularExpression sum(
        QStringLiteral("^ *([0-9]+)  x +([0-9]+)\t\t *([0-9]+)\t *([0-9]*)$"));
    const QRegularExpressionMatch match = sum.match(line);
    if (!match.hasMatch())
        return line;
    if (match.captured(4).isEmpty())
        //: Read by a screen reader for a sum whose time ran out: %1 times %2 is %3.
        return QCoreApplication::translate("EndOfGame", "%1 times %2 is %3: you ran out of time.")
            .arg(match.captured(1), match.captured(2), match.captured(3));
    //: Read by a screen reader for a sum answered wrongly: %1 times %2 is %3, %4 the answer given.
    return QCoreApplication::translate("EndOfGame", "%1 times %2 is %3: you said %4.")
        .arg(match.captured(1), match.captured(2), match.captured(3), match.captured(4));
}

} // namespace

QString recordForListening(const QString &record) {
    const QRegularExpressionMatch match = scoreLinePattern().match(record);
    if (!match.hasMatch())
        return record;
    QStringList sentences{translatedScore(match)};
    QString rest = record.mid(match.capturedLength());
    if (rest.startsWith(transcriptHeader))
        rest = rest.mid(transcriptHeader.size());
    for (const QString &line : rest.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        sentences << sentenceFor(line);
    return sentences.join(QLatin1Char('\n'));
}

QString recordForReading(const QString &record) {
    const QRegularExpressionMatch match = scoreLinePattern().match(record);
    if (!match.hasMatch())
        return record;
    const QString shown = translatedScore(match) + QStringLiteral("\r\n\r\n");
    const QStringView rest = QStringView(record).mid(match.capturedLength());
    if (!rest.startsWith(transcriptHeader))
        return shown + rest.toString();
    return shown + translatedHeader() + withTimesSign(rest.mid(transcriptHeader.size()));
}
