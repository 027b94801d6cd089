#pragma once
// A cursor over notation text with the pieces every notation is made of: blanks, exact characters,
// words compared without case, CSS numbers with their unit, hexadecimal digit runs. Failures become
// ReadResults that name the position where reading stopped.

#include "color/ascii_case.h"
#include "notations/read_result.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace pelmora {

// A CSS number with what follows it: nothing, "%", a unit ("deg"), or the keyword none.
struct CssValue {
    enum class Kind { Number, Percentage, Dimension, None };
    Kind kind = Kind::Number;
    double value = 0;
    std::string_view unit; // for Dimension, as written
    std::size_t offset = 0; // where it starts, for messages
};

constexpr bool IsCssDigit(char c) { return c >= '0' && c <= '9'; }
// Letters, digits, '-' and '_': what names, units and keywords are made of.
constexpr bool IsCssWordChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsCssDigit(c) || c == '-' || c == '_';
}

// ' ', '\t', '\n', '\f' and '\r'.
constexpr bool IsCssBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ' && (c == ' ' || (c >= '\t' && c <= '\r' && c != '\v'));
}

// IsCssWordChar and IsCssBlank of every byte, looked up: a nested colour reads a word and skips
// blanks at nearly every step.
enum CssCharKind : std::uint8_t { kCssWordChar = 1, kCssBlank = 2 };
inline constexpr std::array<std::uint8_t, 256> kCssCharKinds = [] {
    std::array<std::uint8_t, 256> kinds{};
    for (int i = 0; i < 256; ++i) {
        const auto c = static_cast<char>(i);
        kinds[static_cast<std::size_t>(i)]
            = static_cast<std::uint8_t>((IsCssWordChar(c) ? kCssWordChar : 0) | (IsCssBlank(c) ? kCssBlank : 0));
    }
    return kinds;
}();

class TextScanner {
public:
    explicit TextScanner(std::string_view text)
        : text_(text)
    {
    }

    std::size_t offset() const { return offset_; }
    bool atEnd() const { return offset_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[offset_]; }
    std::string_view rest() const { return text_.substr(offset_); }

    // Spaces, tabs and line ends (CSS white space).
    void skipBlanks()
    {
        while (offset_ < text_.size() && IsCssBlank(text_[offset_]))
            ++offset_;
    }
    bool take(char c)
    {
        if (atEnd() || text_[offset_] != c)
            return false;
        ++offset_;
        return true;
    }
    // A word of letters, digits, '-' and '_' starting here, not consumed unless it matches.
    bool takeWord(std::string_view expectedWord);
    // The word starting here (possibly empty), consumed.
    std::string_view word()
    {
        const std::size_t start = offset_;
        offset_ = endOfRun(kCssWordChar);
        return {text_.data() + start, offset_ - start};
    }
    // Exactly `count` hexadecimal digits, or nullopt without consuming anything.
    std::optional<std::uint32_t> hexDigits(std::size_t count);
    // The run of hexadecimal digits starting here (possibly empty), consumed.
    std::string_view hexRun();
    // A decimal integer without sign, at most nine digits; nullopt without consuming.
    std::optional<int> integer();
    // A CSS number ([+-] digits [. digits] [e [+-] digits]) with its "%" or unit, or none.
    // On failure `error` explains and nothing is consumed.
    std::optional<CssValue> cssValue(ReadResult& error);
    // What cssValue() reads as a plain number when it is short enough to be read exactly on the
    // way (at most 15 digits and point, no exponent): consumed, or nullopt without consuming
    // anything for any other text. Calculations are mostly made of such numbers; this costs a few steps per digit
    // where the general reader also prepares for a unit and a message.
    [[gnu::always_inline]] std::optional<double> plainNumber()
    {
        const char* const begin = text_.data() + offset_;
        const char* const end = text_.data() + text_.size();
        const char* const mantissa = begin != end && (*begin == '-' || *begin == '+') ? begin + 1 : begin;
        const char* p = mantissa;
        std::size_t fractionDigits = 0;
        const std::uint64_t digits = readDecimal(p, end, fractionDigits);
        if (p == mantissa || static_cast<std::size_t>(p - mantissa) > kMostExactDecimalLength)
            return std::nullopt;
        // An exponent, a unit or '%' is for cssValue().
        if (p != end && (static_cast<unsigned char>(*p) < '0' ? *p == '%' || *p == '-' : IsCssWordChar(*p)))
            return std::nullopt;
        offset_ = static_cast<std::size_t>(p - text_.data());
        return exactDecimal(digits, fractionDigits, *begin == '-');
    }
    // Moves on by `count` bytes, which the caller has read by itself.
    void skip(std::size_t count) { offset_ += count; }

    // "(" r "," g "," b ")" of whole numbers 0..255 with blanks anywhere between; a fourth number
    // (alpha, also 0..255) is read and dropped when `alphaAllowed`.
    std::optional<Color> channelList(bool alphaAllowed, ReadResult& error);

    ReadResult fail(std::string_view reason) const { return failAt(offset_, reason); }
    ReadResult failAt(std::size_t offset, std::string_view reason) const
    {
        return quiet_ ? ReadResult::FailureWithoutMessage(text_, offset) : ReadResult::Failure(text_, offset, reason);
    }
    // Failures name their position only, without a message: for trying many places of a text, of
    // which at most one failure is ever shown (it is read again, not quietly, to be shown).
    void setQuiet(bool quiet) { quiet_ = quiet; }
    // "unexpected 'x'" or "unexpected end" at the current place, after `expected`.
    ReadResult expected(std::string_view what) const;
    // Success only when nothing but blanks is left.
    ReadResult finish(Color color, bool mapped = false);

private:
    static bool Is(char c, CssCharKind kind) { return (kCssCharKinds[static_cast<unsigned char>(c)] & kind) != 0; }
    // Where the characters of `kind` starting here end.
    std::size_t endOfRun(CssCharKind kind) const
    {
        std::size_t end = offset_;
        while (end < text_.size() && Is(text_[end], kind))
            ++end;
        return end;
    }

    // Below 2^53 the digits and the power of ten are exact doubles, so one division rounds exactly
    // as from_chars does; up to this many characters of digits and point, the digits stay below it.
    static constexpr std::size_t kMostExactDecimalLength = 15;

    // [digits] [. digits] from `p`, added up as they are passed: most numbers are written as "255"
    // or "0.5". Moves `p` past them. Always inlined: a call costs as much as a short number.
    [[gnu::always_inline]] static std::uint64_t readDecimal(
        const char*& p, const char* end, std::size_t& fractionDigits)
    {
        std::uint64_t digits = 0;
        for (; p != end && IsCssDigit(*p); ++p)
            digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
        fractionDigits = 0;
        if (end - p >= 2 && *p == '.' && IsCssDigit(p[1])) {
            const char* const point = ++p;
            for (; p != end && IsCssDigit(*p); ++p)
                digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
            fractionDigits = static_cast<std::size_t>(p - point);
        }
        return digits;
    }
    // The value of readDecimal's digits, read from at most kMostExactDecimalLength characters.
    static double exactDecimal(std::uint64_t digits, std::size_t fractionDigits, bool negative)
    {
        static constexpr double kPowersOfTen[kMostExactDecimalLength + 1]
            = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        // Through a signed integer, which the digits fit: one instruction.
        const double magnitude = static_cast<double>(static_cast<std::int64_t>(digits)) / kPowersOfTen[fractionDigits];
        return negative ? -magnitude : magnitude;
    }

    std::string_view text_;
    std::size_t offset_ = 0;
    bool quiet_ = false;
};

} // namespace pelmora
