#pragma once
// What the text palette readers share: the encoding check every text file passes first, line
// splitting with line numbers, and the colour reader used when no other is given.

#include "palette/palette.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// Checks that `bytes` is UTF-8 text within kMaxPaletteFileBytes: no UTF-16 or UTF-32 byte-order
// mark, no NUL byte, no invalid UTF-8. On success returns nullopt and sets `text` to the bytes
// without a leading UTF-8 byte-order mark.
std::optional<PaletteError> CheckPaletteText(std::string_view bytes, std::string_view& text);

bool IsValidUtf8(std::string_view text);

// Lines ended by LF, CR LF or CR, numbered from 1.
class LineCursor {
public:
    explicit LineCursor(std::string_view text)
        : text_(text)
    {
    }
    // The next line without its end; false after the last one.
    bool next(std::string_view& line);
    // The number of the line `next` gave last.
    std::size_t number() const { return number_; }
    // The number of the line that holds byte `offset` of the text.
    static std::size_t LineOf(std::string_view text, std::size_t offset);

private:
    std::string_view text_;
    std::size_t start_ = 0;
    std::size_t number_ = 0;
};

// Line numbers of increasing offsets in one pass over the text.
class LineCounter {
public:
    explicit LineCounter(std::string_view text)
        : text_(text)
    {
    }
    // The line of byte `offset`; offsets must not decrease from call to call.
    std::size_t lineAt(std::size_t offset);

private:
    std::string_view text_;
    std::size_t counted_ = 0;
    std::size_t line_ = 1;
};

std::string_view TrimBlanks(std::string_view text);

// `text` in single quotes for a message, shortened to about 40 bytes without splitting a character.
std::string Quoted(std::string_view text);

PaletteReadResult FailAtLine(std::size_t line, std::string reason);
PaletteReadResult FailAtByte(std::size_t offset, std::string reason);

// A colour value as the one reader of colour text reads it (ReadAnyColorKeepingCodes): the panel's
// codes (#RRGGBB, RGB(r, g, b), 65535, vbYellow...) and every other notation of the notation engine
// (#RGB, hsl(), oklch(), orange, 0xFF8000, QColor(...)).
std::optional<Color> ReadColorNotation(std::string_view text);

// "#RRGGBB" of an RGB colour, upper-case digits (lower-case when `lowerCase`).
std::string HexText(Color color, bool lowerCase = false);

// A whole number 0..255 written in decimal digits only.
std::optional<int> ParseChannel(std::string_view text);

} // namespace pelmora
