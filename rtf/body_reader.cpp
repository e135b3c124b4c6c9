#include "rtf/body_reader.h"

#include "rtf/special_characters.h"

namespace rtf {
namespace {

constexpr qsizetype kMaxPendingBytes = 16 * 1024;

} // namespace

void BodyReader::applyWord(GroupState &state, Keyword keyword, const Token &token) {
    if (applyCharacterWord(state.character, keyword, token) ||
        applyParagraphWord(state.paragraph, keyword, token))
        return;
    if (const auto character = characterForWord(keyword)) {
        appendCharacter(state, *character);
        return;
    }
    switch (keyword) {
    case Keyword::Paragraph:
    case Keyword::Section:
        writer_.endParagraph(state);
        break;
    case Keyword::Page:
        writer_.endPage(state);
        break;
    case Keyword::Cell:
        writer_.endCell(state);
        break;
    case Keyword::Row:
        writer_.endRow(state);
        break;
    case Keyword::RowDefaults:
        writer_.table().clearRowDefinition();
        break;
    case Keyword::CellRightEdge:
        writer_.table().addCellEdge(token.parameter);
        break;
    default:
        break;
    }
}

void BodyReader::appendSymbol(const GroupState &state, char symbol) {
    // A backslash before a line break is an old way of writing \par.
    if (symbol == '\n' || symbol == '\r')
        writer_.endParagraph(state);
    else if (const auto character = characterForSymbol(symbol))
        appendCharacter(state, *character);
}

void BodyReader::appendBytes(const GroupState &state, QByteArrayView bytes) {
    if (state.character.hidden)
        return;
    bytes_.append(bytes);
    if (bytes_.size() >= kMaxPendingBytes)
        flushBytes(state);
}

void BodyReader::flushBytes(const GroupState &state) {
    if (bytes_.isEmpty())
        return;
    const FontEntry *font = fonts_.entry(state.character.font);
    const int codePage = font && font->codePage ? font->codePage : documentCodePage_;
    writer_.appendText(decoder_.decode(bytes_, codePage), state);
    bytes_.clear();
}

void BodyReader::appendCharacter(const GroupState &state, QChar character) {
    if (!state.character.hidden)
        writer_.appendText(QStringView(&character, 1), state);
}

} // namespace rtf
