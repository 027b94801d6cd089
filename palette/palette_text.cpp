#include "palette/palette_text.h"

#include "notations/read_any_color.h"

#include <charconv>

namespace pelmora {

std::string PaletteError::describe() const
{
    switch (place) {
    case Place::Line:
        return "line " + std::to_string(position) + ": " + reason;
    case Place::Byte:
        return "byte " + std::to_string(position) + ": " + reason;
    case Place::File:
        break;
    }
    return reason;
}

namespace {

// The length of the UTF-8 sequence at the start of `text`, 0 when it is not a valid one
// (overlong forms, surrogates and values above U+10FFFF included).
std::size_t Utf8SequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

// The offset of the first byte that is not valid UTF-8, or npos.
std::size_t FirstInvalidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text.substr(i));
        if (length == 0)
            return i;
        i += length;
    }
    return std::string_view::npos;
}

} // namespace

bool IsValidUtf8(std::string_view text) { return FirstInvalidUtf8(text) == std::string_view::npos; }

std::optional<PaletteError> CheckPaletteText(std::string_view bytes, std::string_view& text)
{
    if (bytes.size() > kMaxPaletteFileBytes)
        return PaletteError{PaletteError::Place::File, 0,
            "the file is larger than " + std::to_string(kMaxPaletteFileBytes / (1024 * 1024)) + " MiB"};
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")
        || bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4)))
        return PaletteError{PaletteError::Place::Line, 1, "the file is UTF-16 or UTF-32 text; save it as UTF-8"};
    text = bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
        return PaletteError{
            PaletteError::Place::Line, LineCursor::LineOf(text, nul), "holds a NUL byte; this is not a text file"};
    if (const std::size_t bad = FirstInvalidUtf8(text); bad != std::string_view::npos)
        return PaletteError{PaletteError::Place::Line, LineCursor::LineOf(text, bad), "is not valid UTF-8 text"};
    return std::nullopt;
}

bool LineCursor::next(std::string_view& line)
{
    if (start_ >= text_.size())
        return false;
    std::size_t end = text_.find_first_of("\r\n", start_);
    if (end == std::string_view::npos)
        end = text_.size();
    line = text_.substr(start_, end - start_);
    start_ = end;
    if (start_ < text_.size() && text_[start_] == '\r')
        ++start_;
    if (start_ < text_.size() && text_[start_] == '\n' && (end == start_ || text_[start_ - 1] == '\r'))
        ++start_;
    ++number_;
    return true;
}

std::size_t LineCursor::LineOf(std::string_view text, std::size_t offset) { return LineCounter(text).lineAt(offset); }

std::size_t LineCounter::lineAt(std::size_t offset)
{
    for (; counted_ < offset && counted_ < text_.size(); ++counted_) {
        const char c = text_[counted_];
        if (c == '\n' || (c == '\r' && (counted_ + 1 >= text_.size() || text_[counted_ + 1] != '\n')))
            ++line_;
    }
    return line_;
}

std::string_view TrimBlanks(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\f\v\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string Quoted(std::string_view text)
{
    constexpr std::size_t kShown = 40;
    if (text.size() <= kShown)
        return "'" + std::string(text) + "'";
    std::size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return "'" + std::string(text.substr(0, cut)) + "...'";
}

PaletteReadResult FailAtLine(std::size_t line, std::string reason)
{
    return {{}, PaletteError{PaletteError::Place::Line, line, std::move(reason)}};
}

PaletteReadResult FailAtByte(std::size_t offset, std::string reason)
{
    return {{}, PaletteError{PaletteError::Place::Byte, offset, std::move(reason)}};
}

std::optional<Color> ReadColorNotation(std::string_view text) { return ReadAnyColorKeepingCodes(text).color; }

std::string HexText(Color color, bool lowerCase)
{
    const char* digits = lowerCase ? "0123456789abcdef" : "0123456789ABCDEF";
    std::string text = "#";
    for (const int channel : {color.red(), color.green(), color.blue()}) {
        text += digits[channel >> 4];
        text += digits[channel & 0xF];
    }
    return text;
}

std::optional<int> ParseChannel(std::string_view text)
{
    int value = 0;
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value > 255)
        return std::nullopt;
    return value;
}

} // namespace pelmora
