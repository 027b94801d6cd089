#include "notations/text_scanner.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <string>

namespace pelmora {
namespace {

// One table lookup per character: the reader looks at every character of a text several times.
enum CharClass : std::uint8_t { kDigit = 1, kHexLetter = 2 };

constexpr std::array<std::uint8_t, 256> kCharClasses = [] {
    std::array<std::uint8_t, 256> classes{};
    for (int i = 0; i < 256; ++i) {
        const auto c = static_cast<char>(i);
        const bool hexLetter = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        classes[static_cast<std::size_t>(i)] = IsCssDigit(c) ? kDigit : hexLetter ? kHexLetter : 0;
    }
    return classes;
}();

bool Is(char c, std::uint8_t classes) { return (kCharClasses[static_cast<unsigned char>(c)] & classes) != 0; }
bool IsDigit(char c) { return Is(c, kDigit); }
bool IsHexDigit(char c) { return Is(c, kDigit | kHexLetter); }
bool IsWordChar(char c) { return (kCssCharKinds[static_cast<unsigned char>(c)] & kCssWordChar) != 0; }

// How a stopping place is shown: the character there, or the end.
std::string Describe(std::string_view rest)
{
    if (rest.empty())
        return "the end";
    std::size_t length = 1;
    // Keep a UTF-8 sequence whole.
    while (length < rest.size() && (static_cast<unsigned char>(rest[length]) & 0xC0) == 0x80)
        ++length;
    return "'" + std::string(rest.substr(0, length)) + "'";
}

} // namespace

std::size_t CharactersIn(std::string_view text)
{
    // Every byte but the continuation bytes of UTF-8 starts a character. Plain ASCII, eight bytes
    // at a time: a failure at the end of a long text is counted on every read of it.
    std::size_t continuations = 0;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t eight = 0;
        std::memcpy(&eight, text.data() + i, 8);
        if ((eight & 0x8080808080808080u) == 0)
            continue;
        for (std::size_t j = i; j < i + 8; ++j)
            continuations += (static_cast<unsigned char>(text[j]) & 0xC0) == 0x80 ? 1 : 0;
    }
    std::uint64_t tail = 0;
    if (i < text.size())
        std::memcpy(&tail, text.data() + i, text.size() - i);
    if ((tail & 0x8080808080808080u) != 0)
        for (; i < text.size(); ++i)
            continuations += (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80 ? 1 : 0;
    return text.size() - continuations;
}

ReadResult ReadResult::FailureWithoutMessage(std::string_view text, std::size_t offset)
{
    ReadResult result;
    result.position = CharactersIn(text.substr(0, std::min(offset, text.size()))) + 1;
    return result;
}

ReadResult ReadResult::Failure(std::string_view text, std::size_t offset, std::string_view reason)
{
    ReadResult result = FailureWithoutMessage(text, offset);
    // Put together in place: a message is built for every text refused.
    constexpr std::string_view kAt = " at position ";
    const std::string position = std::to_string(result.position);
    result.message.reserve(reason.size() + kAt.size() + position.size());
    result.message.append(reason).append(kAt).append(position);
    return result;
}

bool TextScanner::takeWord(std::string_view expectedWord)
{
    // Compared in place, without reading the word first: most often another word stands here.
    const std::size_t length = expectedWord.size();
    if (text_.size() - offset_ < length)
        return false;
    for (std::size_t i = 0; i < length; ++i)
        if (AsciiLower(text_[offset_ + i]) != AsciiLower(expectedWord[i]))
            return false;
    if (offset_ + length < text_.size() && Is(text_[offset_ + length], kCssWordChar))
        return false;
    offset_ += length;
    return true;
}

std::optional<std::uint32_t> TextScanner::hexDigits(std::size_t count)
{
    if (text_.size() - offset_ < count)
        return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = text_[offset_ + i];
        if (!IsHexDigit(c))
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(IsDigit(c) ? c - '0' : AsciiLower(c) - 'a' + 10);
    }
    offset_ += count;
    return value;
}

std::string_view TextScanner::hexRun()
{
    const std::size_t start = offset_;
    while (offset_ < text_.size() && IsHexDigit(text_[offset_]))
        ++offset_;
    return text_.substr(start, offset_ - start);
}

std::optional<int> TextScanner::integer()
{
    std::size_t end = offset_;
    while (end < text_.size() && IsDigit(text_[end]) && end - offset_ < 10)
        ++end;
    if (end == offset_ || end - offset_ > 9)
        return std::nullopt;
    int value = 0;
    for (; offset_ < end; ++offset_)
        value = value * 10 + (text_[offset_] - '0');
    return value;
}

std::optional<CssValue> TextScanner::cssValue(ReadResult& error)
{
    const std::size_t start = offset_;
    CssValue value;
    value.offset = start;
    if (AsciiLower(peek()) == 'n' && takeWord("none")) {
        value.kind = CssValue::Kind::None;
        return value;
    }
    const auto digitsFrom = [&](std::size_t from) {
        std::size_t to = from;
        while (to < text_.size() && IsDigit(text_[to]))
            ++to;
        return to;
    };
    std::size_t p = offset_;
    if (p < text_.size() && (text_[p] == '+' || text_[p] == '-'))
        ++p;
    const std::size_t mantissa = p;
    std::size_t fractionDigits = 0;
    const char* digitsEnd = text_.data() + mantissa;
    const std::uint64_t digits = readDecimal(digitsEnd, text_.data() + text_.size(), fractionDigits);
    p = static_cast<std::size_t>(digitsEnd - text_.data());
    if (p == mantissa) {
        error = expected("a number");
        return std::nullopt;
    }
    std::size_t end = p;
    if (end < text_.size() && AsciiLower(text_[end]) == 'e') {
        std::size_t exponent = end + 1;
        if (exponent < text_.size() && (text_[exponent] == '+' || text_[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = digitsFrom(exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    if (end == p && end - mantissa <= kMostExactDecimalLength) {
        value.value = exactDecimal(digits, fractionDigits, text_[start] == '-');
    } else {
        // from_chars takes no leading '+'.
        const std::size_t from = text_[start] == '+' ? start + 1 : start;
        const auto [ptr, code] = std::from_chars(text_.data() + from, text_.data() + end, value.value);
        if (code != std::errc() || ptr != text_.data() + end) {
            error = failAt(start, "number out of range");
            return std::nullopt;
        }
    }
    offset_ = end;
    if (take('%')) {
        value.kind = CssValue::Kind::Percentage;
    } else if (!atEnd() && IsWordChar(peek()) && !IsDigit(peek())) {
        value.kind = CssValue::Kind::Dimension;
        value.unit = word();
    }
    return value;
}

std::optional<Color> TextScanner::channelList(bool alphaAllowed, ReadResult& error)
{
    skipBlanks();
    if (!take('(')) {
        error = expected("'('");
        return std::nullopt;
    }
    int channels[4] = {};
    const int most = alphaAllowed ? 4 : 3;
    for (int i = 0; i < most; ++i) {
        skipBlanks();
        const std::size_t start = offset_;
        const auto value = integer();
        if (!value) {
            error = expected("a whole number 0 to 255");
            return std::nullopt;
        }
        if (*value > 255) {
            error = failAt(start, "number above 255");
            return std::nullopt;
        }
        channels[i] = *value;
        skipBlanks();
        if (take(')')) {
            if (i < 2) {
                error = failAt(offset_ - 1, "expected 3 numbers, found " + std::to_string(i + 1));
                return std::nullopt;
            }
            return RGB(channels[0], channels[1], channels[2]);
        }
        if (i + 1 < most && !take(',')) {
            error = expected(i < 2 ? "','" : "',' or ')'");
            return std::nullopt;
        }
    }
    error = expected("')'");
    return std::nullopt;
}

ReadResult TextScanner::expected(std::string_view what) const
{
    if (quiet_)
        return ReadResult::FailureWithoutMessage(text_, offset_);
    return fail("expected " + std::string(what) + ", found " + Describe(rest()));
}

ReadResult TextScanner::finish(Color color, bool mapped)
{
    skipBlanks();
    if (!atEnd())
        return quiet_ ? ReadResult::FailureWithoutMessage(text_, offset_) : fail("unexpected " + Describe(rest()));
    return ReadResult::Of(color, mapped);
}

} // namespace pelmora
