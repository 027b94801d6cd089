#pragma once

#include <string_view>

namespace pelmora {

// The control words the reader acts on. Everything else is ignored, and an unknown word that
// opens a \* group makes the whole group skipped.
enum class RtfKeyword {
    Unknown,
    // Document
    Rtf,
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    // Destinations with content of their own
    FontTable,
    ColorTable,
    FieldResult,
    // Destinations whose content is not text of the document
    SkipDestination,
    // Character formatting
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    FontSize,
    Font,
    ColorForeground,
    Highlight,
    Superscript,
    Subscript,
    NoSuperSub,
    Hidden,
    // Font and colour table entries
    Red,
    Green,
    Blue,
    // Paragraph formatting and breaks
    ParagraphDefaults,
    Paragraph,
    LineBreak,
    Tab,
    Cell,
    Row,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstLineIndent,
    SpaceBefore,
    SpaceAfter,
    TabStop,
    // Characters
    Unicode,
    UnicodeSkipCount,
    Binary,
    Bullet,
    EmDash,
    EnDash,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    EmSpace,
    EnSpace,
};

RtfKeyword LookupRtfKeyword(std::string_view word);

} // namespace pelmora
