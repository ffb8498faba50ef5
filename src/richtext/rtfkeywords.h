// The control words the RTF reader knows, and what each one means to it.
#pragma once

#include <QTextCharFormat>
#include <QtGlobal>
#include <string_view>
#include <unordered_map>

namespace dosarium::rtf {

enum class Word : quint8 {
    // destinations
    SkipDestination,
    TransparentDestination,
    FontTable,
    ColorTable,
    Pict,
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    // font table
    Charset,
    FontCodePage,
    // colour table
    Red,
    Green,
    Blue,
    // characters
    Plain,
    Font,
    FontSize,
    Bold,
    Italic,
    Underline,
    Strike,
    Shift, // superscript, subscript or neither
    ForegroundColor,
    BackgroundColor,
    Hidden,
    // paragraphs
    ParagraphDefault,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstLineIndent,
    SpaceBefore,
    SpaceAfter,
    InTable,
    PageBreakBefore,
    // breaks and characters
    Par,
    Line,
    Tab,
    Page,
    Cell,
    Row,
    RowDefaults,
    CellBoundary,
    NestedCell,
    NestedRow,
    Character,
    // pictures
    PngBlip,
    JpegBlip,
    OtherBlip,
    PictureWidthGoal,
    PictureHeightGoal,
    PictureScaleX,
    PictureScaleY,
};

struct WordInfo {
    Word word;
    char16_t character = 0;                                                   // Character
    QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline; // Underline, when on
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal; // Shift, when on
};

// Every known control word by name; a name missing here is ignored.
const std::unordered_map<std::string_view, WordInfo>& words();

} // namespace dosarium::rtf
