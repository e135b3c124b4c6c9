#pragma once

#include <QByteArrayView>

namespace rtf {

// The control words the reader acts on; every other word is ignored.
enum class Keyword {
    Unknown,
    // Destinations
    FontTable,
    ColorTable,
    Picture,
    ShapePicture,       // holds the modern form of a picture
    IgnoredDestination, // style sheet, document info, headers, footers, ...
    // Document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    // Character formatting
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineDotted,
    UnderlineDashed,
    UnderlineWave,
    UnderlineNone,
    Strike,
    FontSize,
    Font,
    Foreground,
    Background,
    Highlight,
    Superscript,
    Subscript,
    NoSuperSub,
    Hidden,
    // Paragraph formatting
    ParagraphDefault,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    InTable,
    // Breaks and tables
    Paragraph,
    Section,
    Page,
    Cell,
    Row,
    RowDefaults,
    CellRightEdge,
    NestedCell,
    NestedRow,
    // Characters
    Tab,
    Line,
    Bullet,
    EnDash,
    EmDash,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    EnSpace,
    EmSpace,
    // Unicode
    UnicodeChar,
    UnicodeSkip,
    // Font table
    FontCharset,
    FontCodePage,
    FamilyRoman,
    FamilySwiss,
    FamilyModern,
    FamilyScript,
    FamilyDecor,
    // Colour table
    Red,
    Green,
    Blue,
    // Picture
    PngBlip,
    JpegBlip,
    PictureGoalWidth,
    PictureGoalHeight,
    PictureScaleX,
    PictureScaleY,
};

Keyword keywordFor(QByteArrayView word);

} // namespace rtf
