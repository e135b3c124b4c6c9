#include "rtf/document_writer.h"

#include <QImage>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace rtf {
namespace {

// What a document may cost. A unit is about a byte of memory or 12 ns of work in QTextDocument
// 6.4 (measured), whichever is more; the total keeps any input to about half a second of work
// and 40 MB. A paragraph takes about 170 bytes and 2 us, a run of text in a format of its own
// about 2 us: a document of a few megabytes of RTF fits whole.
constexpr qint64 kBudget = 40'000'000;
constexpr qint64 kCharCost = 3;
constexpr qint64 kRunCost = 200;
constexpr qint64 kBlockCost = 200;
// Long runs go in pieces so that no copy of a huge run is ever held.
constexpr qsizetype kRunPiece = 64 * 1024;

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

} // namespace

DocumentWriter::DocumentWriter(QTextDocument &document, const CharFormatter &formatter)
    : document_(document), formatter_(formatter), cursor_(&document), budget_(kBudget) {
    // Outside an edit block the cursor lays out its paragraph after every insertion, which
    // makes a long paragraph of many runs cost the square of its length.
    cursor_.beginEditBlock();
}

void DocumentWriter::appendText(QStringView text, const GroupState &state) {
    if (std::none_of(text.begin(), text.end(), displayable) || !place(state.paragraph) ||
        !openParagraph(state))
        return;
    if (!(state.character == runState_))
        flushRun();
    runState_ = state.character;
    lastContent_ = state;
    for (QChar c : text) {
        if (displayable(c))
            run_ += c;
    }
    if (run_.size() >= kRunPiece && !run_.back().isHighSurrogate())
        flushRun();
}

void DocumentWriter::endParagraph(const GroupState &state) {
    if (place(state.paragraph) && openParagraph(state))
        closeParagraph(state);
}

void DocumentWriter::endPage(const GroupState &state) {
    if (place(state.paragraph) && openParagraph(state))
        closeParagraph(state, true);
}

// A cell's last paragraph needs no \par; the cell's end closes it.
void DocumentWriter::endCell(const GroupState &state) {
    if (!place(inTable(state.paragraph)))
        return;
    closeParagraph(state);
    paragraphClosed_ = false;
    openedWith_.reset();
    table_.nextCell();
}

void DocumentWriter::endRow(const GroupState &state) {
    if (!place(inTable(state.paragraph)))
        return;
    flushRun();
    paragraphClosed_ = false;
    table_.endRow();
}

void DocumentWriter::insertPicture(const QImage &picture, QSizeF size, const GroupState &state) {
    if (!place(state.paragraph) || !openParagraph(state))
        return;
    flushRun();
    const QString name = QStringLiteral("rtf-picture:%1").arg(++pictureCount_);
    document_.addResource(QTextDocument::ImageResource, QUrl(name), picture);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(size.width());
    format.setHeight(size.height());
    sink().insertImage(format);
    lastContent_ = state;
}

// A last paragraph without \par takes the formatting of its content.
void DocumentWriter::finish() {
    if (!paragraphClosed_ && lastContent_)
        closeParagraph(*lastContent_);
    if (table_.active())
        table_.finish(cursor_);
    cursor_.endEditBlock();
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
    const bool wantsNewRow = paragraph.inTable && table_.active() && table_.rowEnded();
    if (paragraph.inTable == table_.active() && !wantsNewRow)
        return true;
    flushRun();
    // A table's cell, or the paragraph after a table, is one that Qt made.
    paragraphClosed_ = false;
    openedWith_.reset();
    if (!paragraph.inTable) {
        table_.finish(cursor_);
        return true;
    }
    return table_.active() ? table_.startRow() : table_.begin();
}

bool DocumentWriter::openParagraph(const GroupState &state) {
    if (!paragraphClosed_)
        return true;
    flushRun();
    if (!budget_.spend(kBlockCost))
        return false;
    sink().insertBlock(blockFormatFor(state.paragraph), formatter_.format(state.character));
    openedWith_ = Formatting{state.paragraph, state.character};
    paragraphClosed_ = false;
    return true;
}

// Most paragraphs end as they began, and formatting one again costs as much as making it.
void DocumentWriter::closeParagraph(const GroupState &state, bool pageBreak) {
    flushRun();
    paragraphClosed_ = true;
    if (!pageBreak && openedWith_ == Formatting{state.paragraph, state.character})
        return;
    QTextBlockFormat format = blockFormatFor(state.paragraph);
    if (pageBreak)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
    sink().formatParagraph(format, formatter_.format(state.character));
}

void DocumentWriter::flushRun() {
    if (run_.isEmpty())
        return;
    replaceLoneSurrogates(run_);
    if (budget_.spend(kRunCost + kCharCost * run_.size()))
        sink().insertText(run_, formatter_.format(runState_));
    run_.clear();
}

const QTextBlockFormat &DocumentWriter::blockFormatFor(const ParagraphState &paragraph) {
    if (!(paragraph == lastParagraph_)) {
        lastParagraph_ = paragraph;
        lastBlockFormat_ = blockFormat(paragraph);
    }
    return lastBlockFormat_;
}

} // namespace rtf
