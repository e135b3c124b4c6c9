// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/record_text.h"

#include "drill/score.h"
#include "drill/times_sign.h"
#include "drill/transcript.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

QString translatedHeader() {
    return QStringLiteral("  ") +
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

} // namespace

QString recordForReading(const QString &record) {
    static const QRegularExpression scored(
        QLatin1Char('^') +
        QRegularExpression::escape(QLatin1String(scoredText))
            .replace(QLatin1String("\\%1"), QLatin1String("([0-9]+)"))
            .replace(QLatin1String("\\%2"), QLatin1String("([0-9]+)")) +
        QStringLiteral("\r\n\r\n"));
    const QRegularExpressionMatch match = scored.match(record);
    if (!match.hasMatch())
        return record;
    const QString shown = QCoreApplication::translate("EndOfGame", scoredText)
                              .arg(match.captured(1), match.captured(2)) +
                          QStringLiteral("\r\n\r\n");
    const QStringView rest = QStringView(record).mid(match.capturedLength());
    if (!rest.startsWith(transcriptHeader))
        return shown + rest.toString();
    return shown + translatedHeader() + withTimesSign(rest.mid(transcriptHeader.size()));
}
