// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/notes.h"

#include <QTextLength>

namespace rtf {
namespace {

constexpr qreal kSeparatorSpace = 16;
// Beyond this, repeated letters and symbols would make marks long; numbers take over.
constexpr int kMaxRepeats = 4;

} // namespace

void Notes::setNumbering(QByteArrayView word) {
    const bool endnotes = word.startsWith("a");
    const QByteArrayView style = word.sliced(endnotes ? 5 : 4);
    Numbering numbering = Numbering::Arabic;
    if (style == "alc")
        numbering = Numbering::LowerLetter;
    else if (style == "auc")
        numbering = Numbering::UpperLetter;
    else if (style == "rlc")
        numbering = Numbering::LowerRoman;
    else if (style == "ruc")
        numbering = Numbering::UpperRoman;
    else if (style == "chi")
        numbering = Numbering::Symbol;
    numbering_[endnotes] = numbering;
}

void Notes::makeEndnote() {
    if (open_ && !open_->mark)
        open_->endnote = true;
}

void Notes::end() {
    if (writer_)
        writer_->finish();
    open_.reset();
}

QString Notes::mark() {
    if (!open_)
        return number(counts_[0] + 1, numbering_[0]);
    if (!open_->mark) {
        const int kind = open_->endnote;
        open_->mark = number(++counts_[kind], numbering_[kind]);
    }
    return *open_->mark;
}

DocumentWriter &Notes::writer() {
    if (!writer_) {
        QTextBlockFormat separator;
        separator.setTopMargin(kSeparatorSpace);
        separator.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                              QTextLength(QTextLength::PercentageLength, 100));
        QTextCharFormat thin;
        thin.setFontPointSize(1);
        writer_.emplace(body_.splitOff(separator, thin), formatter_, budget_,
                        QStringLiteral("rtf-note-picture:"), true);
    }
    return *writer_;
}

void Notes::finish() {
    if (writer_)
        writer_->finish();
}

QString Notes::number(int n, Numbering numbering) {
    switch (numbering) {
    case Numbering::Arabic:
        break;
    case Numbering::LowerLetter:
    case Numbering::UpperLetter: {
        if (n > 26 * kMaxRepeats)
            break;
        // a ... z, aa ... zz, as word processors count.
        const QChar letter(
            char16_t((numbering == Numbering::LowerLetter ? 'a' : 'A') + (n - 1) % 26));
        return QString((n - 1) / 26 + 1, letter);
    }
    case Numbering::LowerRoman:
    case Numbering::UpperRoman: {
        if (n >= 4000)
            break;
        static constexpr std::pair<int, const char *> digits[] = {
            {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
            {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
        QString roman;
        for (const auto &[value, text] : digits) {
            for (; n >= value; n -= value)
                roman += QLatin1String(text);
        }
        return numbering == Numbering::UpperRoman ? roman.toUpper() : roman;
    }
    case Numbering::Symbol: {
        if (n > 4 * kMaxRepeats)
            break;
        static constexpr char16_t symbols[] = {u'*', u'\u2020', u'\u2021', u'\u00a7'};
        return QString((n - 1) / 4 + 1, QChar(symbols[(n - 1) % 4]));
    }
    }
    return QString::number(n);
}

} // namespace rtf
