// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/shown_text.h"

#include <QGuiApplication>
#include <QWidget>

#include <algorithm>

namespace {

constexpr QChar firstStrongIsolate(0x2068);
constexpr QChar popDirectionalIsolate(0x2069);
constexpr QChar replacementCharacter(0xFFFD);

bool movesText(char32_t c) {
    switch (QChar::direction(c)) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirPDF:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI:
        return true;
    default:
        return false;
    }
}

// A tab stays, shown as a blank. The symbols of the other control characters
// are in none of the fonts the program can count on; the replacement mark is.
QChar visible(QChar c) {
    if (c != u'\t' &&
        (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
         c.category() == QChar::Separator_Paragraph))
        return replacementCharacter;
    return c;
}

// An isolate closed inside the text would end the one around it early.
QString withoutUnopenedPops(const QString &text) {
    QString kept;
    kept.reserve(text.size());
    int open = 0;
    for (QChar c : text) {
        const QChar::Direction direction = c.direction();
        if (direction == QChar::DirLRI || direction == QChar::DirRLI || direction == QChar::DirFSI)
            ++open;
        else if (direction == QChar::DirPDI) {
            if (open == 0)
                continue;
            --open;
        }
        kept.append(c);
    }
    return kept;
}

} // namespace

QString shownText(const QString &text) {
    QString shown = text;
    std::transform(shown.begin(), shown.end(), shown.begin(), visible);
    const QList<uint> points = shown.toUcs4();
    // Among right-to-left words, a name in Latin letters with a full stop or a
    // bracket at an end would be turned about too.
    if (QGuiApplication::layoutDirection() == Qt::LeftToRight &&
        std::none_of(points.cbegin(), points.cend(), movesText))
        return shown;
    return firstStrongIsolate + withoutUnopenedPops(shown) + popDirectionalIsolate;
}

void setTitleAsGiven(QWidget &window, const QString &title) {
    // Doubled, the mark stands for itself.
    window.setWindowTitle(QString(title).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}
