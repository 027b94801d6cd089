#include "notations/plain_css_color.h"

#include "color/ascii_case.h"
#include "notations/css_calc.h"
#include "notations/css_component_rules.h"

#include <array>
#include <bit>
#include <cstdint>

namespace pelmora {
namespace {

using Kind = CssValue::Kind;

struct PlainFunction {
    std::string_view name;
    CssSpace space;
    bool rgbFunction = false; // rgb() and rgba(): numbers 0..255
    bool legacyAllowed = false; // the comma syntax
    bool spaceNamed = false; // color(): the space is its first word
};

constexpr std::array<PlainFunction, 10> kFunctions = {{
    {"rgb", CssSpace::Srgb, true, true},
    {"rgba", CssSpace::Srgb, true, true},
    {"hsl", CssSpace::Hsl, false, true},
    {"hsla", CssSpace::Hsl, false, true},
    {"hwb", CssSpace::Hwb},
    {"lab", CssSpace::Lab},
    {"lch", CssSpace::Lch},
    {"oklab", CssSpace::Oklab},
    {"oklch", CssSpace::Oklch},
    {"color", CssSpace::Srgb, false, false, true},
}};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWordChar(char c)
{
    const char lower = static_cast<char>(c | 0x20);
    return (lower >= 'a' && lower <= 'z') || IsDigit(c) || c == '-' || c == '_';
}

// A component as written: none, a number, a percentage or an angle (in degrees).
struct Plain {
    Kind kind = Kind::Number;
    double value = 0;
};

// One pass over the text with a bare cursor: the reader's scanner would cost several times as
// much for the few characters of each component.
class PlainReader {
public:
    PlainReader(std::string_view text, bool valued)
        : valued_(valued)
        , begin_(text.data())
        , p_(text.data())
        , end_(text.data() + text.size())
    {
    }

    std::size_t consumed() const { return static_cast<std::size_t>(p_ - begin_); }
    char peek() const { return p_ < end_ ? *p_ : '\0'; }

    void skipBlanks()
    {
        while (p_ < end_ && IsCssBlank(*p_))
            ++p_;
    }

    bool take(char c)
    {
        if (p_ >= end_ || *p_ != c)
            return false;
        ++p_;
        return true;
    }

    std::string_view word()
    {
        const char* start = p_;
        while (p_ < end_ && IsWordChar(*p_))
            ++p_;
        return {start, static_cast<std::size_t>(p_ - start)};
    }

    // none, or [+-] digits [. digits] in at most 15 characters with nothing, "%" or an angle unit
    // after it. The value is the one ShortDecimal of the general reader gives: the digits and the
    // power of ten are exact doubles, and one division rounds them.
    bool component(Plain& out)
    {
        skipBlanks();
        if (p_ < end_ && (*p_ | 0x20) == 'n') {
            out.kind = Kind::None;
            return EqualsIgnoringCase(word(), "none");
        }
        static constexpr std::array<double, 16> kPowersOfTen
            = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        const bool negative = p_ < end_ && *p_ == '-';
        if (p_ < end_ && (*p_ == '+' || *p_ == '-'))
            ++p_;
        const char* mantissa = p_;
        std::uint64_t digits = 0;
        for (; p_ < end_ && IsDigit(*p_); ++p_)
            digits = digits * 10 + static_cast<std::uint64_t>(*p_ - '0');
        std::size_t fraction = 0;
        if (p_ + 1 < end_ && *p_ == '.' && IsDigit(p_[1]))
            for (++p_; p_ < end_ && IsDigit(*p_); ++p_, ++fraction)
                digits = digits * 10 + static_cast<std::uint64_t>(*p_ - '0');
        // No digits, too many for an exact double, or an exponent (or a unit starting with e).
        if (p_ == mantissa || p_ - mantissa > 15 || (p_ < end_ && (*p_ | 0x20) == 'e'))
            return false;
        if (valued_) {
            const double magnitude = static_cast<double>(digits) / kPowersOfTen[fraction];
            out.value = negative ? -magnitude : magnitude;
        }
        out.kind = Kind::Number;
        if (take('%')) {
            out.kind = Kind::Percentage;
        } else if (p_ < end_ && IsWordChar(*p_)) {
            const auto degrees = DegreesPerAngleUnit(word());
            if (!degrees)
                return false;
            out.kind = Kind::Dimension;
            out.value *= *degrees;
        }
        return true;
    }

private:
    bool valued_;
    const char* begin_;
    const char* p_;
    const char* end_;
};

// The comma syntax: no none, rgb() all numbers or all percentages, hsl() percentages after the hue.
bool LegacyTypesAgree(CssSpace space, const std::array<Plain, 3>& read, const Plain* alpha)
{
    if ((alpha && alpha->kind == Kind::None) || read[0].kind == Kind::None)
        return false;
    const Kind wanted = space == CssSpace::Hsl ? Kind::Percentage : read[0].kind;
    if (wanted != Kind::Number && wanted != Kind::Percentage)
        return false;
    for (std::size_t i = space == CssSpace::Hsl ? 1 : 0; i < 3; ++i)
        if (read[i].kind != wanted)
            return false;
    return true;
}

const PlainFunction* PlainFunctionNamed(std::string_view name)
{
    if (name.size() < 3 || name.size() > 5)
        return nullptr;
    for (const PlainFunction& f : kFunctions)
        if (EqualsIgnoringCase(f.name, name))
            return &f;
    return nullptr;
}

} // namespace

std::optional<CssColor> ReadPlainCssFunction(std::string_view name, TextScanner& scan, CssColorUse use)
{
    const PlainFunction* function = PlainFunctionNamed(name);
    if (!function)
        return std::nullopt;
    // A function inside (calc(), a colour) is never plain: left before any component is read.
    for (const char c : scan.rest()) {
        if (c == ')')
            break;
        if (c == '(')
            return std::nullopt;
    }
    const bool valued = use == CssColorUse::Shown;
    PlainReader read(scan.rest(), valued);
    CssSpace space = function->space;
    if (function->spaceNamed) {
        read.skipBlanks();
        const auto named = CssSpaceNamed(read.word());
        if (!named || !IsPredefinedRgbOrXyz(*named))
            return std::nullopt;
        space = *named;
    }

    std::array<Plain, 3> components;
    if (!read.component(components[0]))
        return std::nullopt;
    read.skipBlanks();
    const bool legacy = function->legacyAllowed && read.peek() == ',';
    for (std::size_t i = 1; i < 3; ++i) {
        // A component skips the blanks before it by itself.
        if (legacy && !(read.skipBlanks(), read.take(',')))
            return std::nullopt;
        if (!read.component(components[i]))
            return std::nullopt;
    }
    read.skipBlanks();
    Plain alpha;
    const bool alphaRead = legacy ? read.take(',') : read.take('/');
    if (alphaRead) {
        if (!read.component(alpha))
            return std::nullopt;
        read.skipBlanks();
    }
    if (!read.take(')') || (legacy && !LegacyTypesAgree(space, components, alphaRead ? &alpha : nullptr)))
        return std::nullopt;

    CssColor color;
    color.space = space;
    color.legacy = space == CssSpace::Srgb ? function->rgbFunction : space == CssSpace::Hsl || space == CssSpace::Hwb;
    const auto& rules = RulesOf(space, function->rgbFunction);
    for (std::size_t i = 0; i < 3; ++i) {
        const Plain& c = components[i];
        color.missing[i] = c.kind == Kind::None;
        if (c.kind == Kind::None)
            continue;
        // A hue takes a number or an angle, the rest a number or a percentage.
        if (rules[i].hue ? c.kind == Kind::Percentage : c.kind == Kind::Dimension)
            return std::nullopt;
        if (valued)
            color.channels[i] = rules[i].hue ? c.value : rules[i].scaled(c.kind == Kind::Percentage, c.value);
    }
    if (alphaRead) {
        if (alpha.kind == Kind::Dimension)
            return std::nullopt;
        color.alphaMissing = alpha.kind == Kind::None;
        color.alpha = color.alphaMissing || !valued ? 0 : ClampedAlpha(alpha.kind == Kind::Percentage, alpha.value);
    }
    scan.skip(read.consumed());
    return color;
}

bool IdenticalCssColors(const CssColor& a, const CssColor& b)
{
    const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    for (std::size_t i = 0; i < 3; ++i)
        if (bits(a.channels[i]) != bits(b.channels[i]) || a.missing[i] != b.missing[i])
            return false;
    return a.space == b.space && bits(a.alpha) == bits(b.alpha) && a.alphaMissing == b.alphaMissing
        && a.legacy == b.legacy;
}

} // namespace pelmora
