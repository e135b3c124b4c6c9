// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "rtf/document_writer.h"

#include "rtf/borders.h"
#include "rtf/layout_bound.h"

#include <QImage>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace rtf {
namespace {

constexpr qint64 kCharCost = 3;
constexpr qint64 kRunCost = 200;
constexpr qint64 kBlockCost = 200;
// Long runs go in pieces so that no copy of a huge run is ever held.
constexpr qsizetype kRunPiece = 64 * 1024;
constexpr qsizetype kMaxLabel = 256;
constexpr qreal kRuleMargin = 2;

// Characters that would break the document's structure (Qt reads some as block or frame
// separators) or mean nothing on screen.
bool displayable(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x20 || u == '\t') && u != QChar::ParagraphSeparator &&
           u != QChar::ObjectReplacementCharacter && u != 0xfdd0 && u != 0xfdd1;
}

void replaceLoneSurrogates(QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
}

ParagraphState inTable(ParagraphState paragraph) {
    paragraph.inTable = true;
    return paragraph;
}

bool blank(const QString &text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == ' ' || c == '\t'; });
}

} // namespace

DocumentWriter::DocumentWriter(QTextCursor cursor, const CharFormatter &formatter,
                               OutputBudget &budget, QString pictureNames, bool afterParagraph)
    : cursor_(std::move(cursor)), formatter_(formatter), budget_(budget),
      pictureNames_(std::move(pictureNames)), paragraphClosed_(afterParagraph),
      freshBlock_(!afterParagraph) {}

void DocumentWriter::appendText(QStringView text, const GroupState &state) {
    if (std::none_of(text.begin(), text.end(), displayable))
        return;
    flushLabel(state);
    if (!place(state.paragraph) || !openParagraph(state))
        return;
    if (!(state.character == runState_))
        flushRun();
    runState_ = state.character;
    lastContent_ = state;
    ++contentCount_;
    if (breakDue_ && !state.inShape) {
        run_ += QChar::LineSeparator;
        breakDue_ = false;
    }
    for (QChar c : text) {
        if (!displayable(c))
            continue;
        if (allowsBreakAfter(c)) {
            unbroken_ = 0;
        } else if (++unbroken_ > kMaxUnbroken && !c.isLowSurrogate() && !c.isMark()) {
            run_ += kBreakOpportunity;
            unbroken_ = 1;
        }
        run_ += c;
    }
    if (run_.size() >= kRunPiece && !run_.back().isHighSurrogate())
        flushRun();
}

void DocumentWriter::appendLabel(QStringView text, const GroupState &state) {
    qsizetype length = 0;
    for (const LabelRun &run : label_)
        length += run.text.size();
    if (length + text.size() > kMaxLabel)
        return;
    if (label_.empty() || !(label_.back().character == state.character))
        label_.push_back({{}, state.character});
    label_.back().text += text;
}

void DocumentWriter::endParagraph(const GroupState &state) {
    flushLabel(state);
    if (place(state.paragraph) && openParagraph(state))
        closeParagraph(state);
}

void DocumentWriter::endPage(const GroupState &state) {
    flushLabel(state);
    if (place(state.paragraph) && openParagraph(state))
        closeParagraph(state, true);
}

// A cell's last paragraph needs no \par; the cell's end closes it. One that a \par has closed
// already keeps the formatting it had there.
void DocumentWriter::endCell(const GroupState &state) {
    flushLabel(state);
    if (!place(inTable(state.paragraph)))
        return;
    if (!paragraphClosed_)
        closeParagraph(state);
    drawRules(0);
    enterFreshBlock();
    openedWith_.reset();
    table_.nextCell();
}

void DocumentWriter::endRow(const GroupState &state) {
    if (!place(inTable(state.paragraph)))
        return;
    flushRun();
    enterFreshBlock();
    table_.endRow();
}

// The text after a picture that floats in its writer's layout starts below it.
void DocumentWriter::insertPicture(const QImage &picture, QSizeF size, const GroupState &state) {
    flushLabel(state);
    if (!place(state.paragraph) || !openParagraph(state))
        return;
    flushRun();
    const QString name = pictureNames_ + QString::number(++pictureCount_);
    cursor_.document()->addResource(QTextDocument::ImageResource, QUrl(name), picture);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(size.width());
    format.setHeight(size.height());
    sink().insertImage(format);
    lastContent_ = state;
    ++contentCount_;
    breakDue_ = state.inShape;
}

// A last paragraph without \par takes the formatting of its content.
void DocumentWriter::finish() {
    if (lastContent_)
        flushLabel(*lastContent_);
    if (!paragraphClosed_ && lastContent_)
        closeParagraph(*lastContent_);
    if (paragraphClosed_)
        drawRules(0);
    if (table_.active()) {
        table_.finish(cursor_);
        enterFreshBlock();
    }
    lastContent_.reset();
    openedWith_.reset();
}

QTextCursor DocumentWriter::splitOff(const QTextBlockFormat &format,
                                     const QTextCharFormat &markFormat) {
    const int position = cursor_.position();
    QTextCursor after(cursor_);
    after.insertBlock(format, markFormat);
    cursor_.setPosition(position);
    return after;
}

ContentSink &DocumentWriter::sink() {
    if (table_.active())
        return table_;
    return cursorSink_;
}

// Moves into or out of a table as the paragraph asks; false once the budget has run out.
bool DocumentWriter::place(const ParagraphState &paragraph) {
    if (full())
        return false;
    const bool inTable = paragraph.inTable || table_.rowDefined();
    const bool wantsNewRow = inTable && table_.active() && table_.rowEnded();
    if (inTable == table_.active() && !wantsNewRow)
        return true;
    flushRun();
    if (paragraphClosed_ && !wantsNewRow)
        drawRules(0);
    enterFreshBlock();
    openedWith_.reset();
    if (!inTable) {
        table_.finish(cursor_);
        return true;
    }
    return table_.active() ? table_.startRow() : table_.begin();
}

bool DocumentWriter::openParagraph(const GroupState &state) {
    if (!paragraphClosed_) {
        // Nothing can go above a paragraph in the block that Qt made for it.
        if (std::exchange(freshBlock_, false))
            openBorders_ = state.paragraph.borders;
        return true;
    }
    freshBlock_ = false;
    flushRun();
    if (!budget_.spend(kBlockCost))
        return false;
    unbroken_ = 0;
    drawRules(state.paragraph.borders);
    sink().insertBlock(blockFormatFor(state.paragraph), formatter_.format(state.character));
    openedWith_ = Formatting{state.paragraph, state.character};
    paragraphClosed_ = false;
    return true;
}

// Where a cell, or what follows a table, begins: a block that Qt made.
void DocumentWriter::enterFreshBlock() {
    unbroken_ = 0;
    paragraphClosed_ = false;
    freshBlock_ = true;
    breakDue_ = false;
}

// Most paragraphs end as they began, and formatting one again costs as much as making it.
void DocumentWriter::closeParagraph(const GroupState &state, bool pageBreak) {
    flushRun();
    paragraphClosed_ = true;
    breakDue_ = false;
    if (!pageBreak && openedWith_ == Formatting{state.paragraph, state.character})
        return;
    QTextBlockFormat format = blockFormatFor(state.paragraph);
    if (pageBreak)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
    sink().formatParagraph(format, formatter_.format(state.character));
}

void DocumentWriter::flushLabel(const GroupState &state) {
    if (label_.empty())
        return;
    const std::vector<LabelRun> label = std::exchange(label_, {});
    if (state.paragraph.firstIndent >= 0 &&
        std::all_of(label.begin(), label.end(),
                    [](const LabelRun &run) { return blank(run.text); }))
        return;
    GroupState labelState = state;
    for (const LabelRun &run : label) {
        labelState.character = run.character;
        appendText(run.text, labelState);
    }
}

void DocumentWriter::flushRun() {
    if (run_.isEmpty())
        return;
    replaceLoneSurrogates(run_);
    if (budget_.spend(kRunCost + kCharCost * run_.size()))
        sink().insertText(run_, formatter_.format(runState_));
    run_.clear();
}

// Paragraphs with the same borders make one box, drawn as a line above its first paragraph and
// one below its last. Only a closed paragraph can have a line put after it.
void DocumentWriter::drawRules(quint8 borders) {
    if (borders == openBorders_)
        return;
    QTextBlockFormat rule;
    rule.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                     QTextLength(QTextLength::PercentageLength, 100));
    rule.setTopMargin(kRuleMargin);
    rule.setBottomMargin(kRuleMargin);
    QTextCharFormat thin;
    thin.setFontPointSize(1);
    const int lines = bool(openBorders_ & kBottomSide) + bool(borders & kTopSide);
    openBorders_ = borders;
    for (int i = 0; i < lines && budget_.spend(kBlockCost); ++i)
        sink().insertBlock(rule, thin);
}

const QTextBlockFormat &DocumentWriter::blockFormatFor(const ParagraphState &paragraph) {
    if (lastParagraph_ != paragraph) {
        lastParagraph_ = paragraph;
        const qreal defaultTab = cursor_.document()->defaultTextOption().tabStopDistance();
        lastBlockFormat_ = blockFormat(paragraph, formatter_.colors(), qRound(defaultTab * 15));
    }
    return lastBlockFormat_;
}

} // namespace rtf
