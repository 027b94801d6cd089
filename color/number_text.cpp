#include "color/number_text.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace pelmora {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c, int base)
{
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    return d < base ? d : -1;
}

// Reads a text one non-blank character at a time.
class Cursor {
public:
    explicit Cursor(std::string_view text)
        : text_(text)
    {
        skipBlanks();
    }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void next()
    {
        ++pos_;
        skipBlanks();
    }

private:
    void skipBlanks()
    {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

double RadixValue(Cursor& in, int base)
{
    std::uint64_t exact = 0;
    double plain = 0.0;
    bool fitsExactly = true;
    for (int d = DigitValue(in.peek(), base); d >= 0; d = DigitValue(in.peek(), base)) {
        plain = plain * base + d;
        if (fitsExactly && exact > (std::numeric_limits<std::uint64_t>::max() - d) / base)
            fitsExactly = false;
        else
            exact = exact * base + static_cast<std::uint64_t>(d);
        in.next();
    }
    // A trailing '&' marks a 32-bit literal: "&HFFFF&" is 65535 where "&HFFFF" is -1.
    const bool longLiteral = in.peek() == '&';
    if (fitsExactly && exact <= 0xFFFFu && !longLiteral)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(exact));
    if (fitsExactly && exact <= 0xFFFFFFFFu)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(exact));
    return plain;
}

double DecimalValue(Cursor& in)
{
    // Gathered as "0.<significant digits>e<exponent>" so that std::from_chars (correctly rounded,
    // locale-free) sees a bounded exponent however many digits or zeros the text holds.
    std::string digits;
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.next();
    }
    constexpr std::int64_t kExponentCap = 1'000'000;
    std::int64_t exponent = 0;
    bool sawDigit = false;
    for (; IsDigit(in.peek()); in.next()) {
        sawDigit = true;
        if (digits.empty() && in.peek() == '0')
            continue;
        digits += in.peek();
        if (exponent < kExponentCap)
            ++exponent;
    }
    if (in.peek() == '.') {
        in.next();
        for (; IsDigit(in.peek()); in.next()) {
            sawDigit = true;
            if (digits.empty() && in.peek() == '0') {
                if (exponent > -kExponentCap)
                    --exponent;
                continue;
            }
            digits += in.peek();
        }
    }
    if (!sawDigit)
        return 0.0;
    const char marker = in.peek();
    if (marker == 'E' || marker == 'e' || marker == 'D' || marker == 'd') {
        in.next();
        bool negativeExponent = false;
        if (in.peek() == '+' || in.peek() == '-') {
            negativeExponent = in.peek() == '-';
            in.next();
        }
        std::int64_t written = 0;
        for (; IsDigit(in.peek()); in.next())
            if (written < kExponentCap)
                written = written * 10 + (in.peek() - '0');
        exponent += negativeExponent ? -written : written;
    }
    if (digits.empty())
        return 0.0;

    std::string number = "0." + digits + 'e';
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, exponent).ptr;
    number.append(buffer, end);
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (error == std::errc::result_out_of_range)
        value = exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

} // namespace

double Val(std::string_view text)
{
    Cursor in(text);
    if (in.peek() == '&') {
        in.next();
        const char radix = in.peek();
        in.next();
        if (radix == 'H' || radix == 'h')
            return RadixValue(in, 16);
        if (radix == 'O' || radix == 'o')
            return RadixValue(in, 8);
        return 0.0;
    }
    return DecimalValue(in);
}

} // namespace pelmora
