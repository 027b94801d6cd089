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
    CssFunction function;
    CssSpace space;
    bool rgbFunction = false; // rgb() and rgba(): numbers 0..255
    bool legacyAllowed = false; // the comma syntax
    bool spaceNamed = false; // color(): the space is its first word
    unsigned hue = 0; // the component that is a hue, as a bit: 1 << its index
};

// In the order of CssFunction, which indexes it.
constexpr std::array<PlainFunction, 10> kFunctions = {{
    {"rgb", CssFunction::Rgb, CssSpace::Srgb, true, true},
    {"rgba", CssFunction::Rgba, CssSpace::Srgb, true, true},
    {"hsl", CssFunction::Hsl, CssSpace::Hsl, false, true, false, 1},
    {"hsla", CssFunction::Hsla, CssSpace::Hsl, false, true, false, 1},
    {"hwb", CssFunction::Hwb, CssSpace::Hwb, false, false, false, 1},
    {"lab", CssFunction::Lab, CssSpace::Lab},
    {"lch", CssFunction::Lch, CssSpace::Lch, false, false, false, 4},
    {"oklab", CssFunction::Oklab, CssSpace::Oklab},
    {"oklch", CssFunction::Oklch, CssSpace::Oklch, false, false, false, 4},
    {"color", CssFunction::Color, CssSpace::Srgb, false, false, true},
}};
static_assert([] {
    for (std::size_t i = 0; i < kFunctions.size(); ++i)
        if (kFunctions[i].function != static_cast<CssFunction>(i) || !HasComponents(kFunctions[i].function))
            return false;
    return !HasComponents(static_cast<CssFunction>(kFunctions.size()));
}());

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
        while (p_ < end_ && IsCssWordChar(*p_))
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
        for (; p_ < end_ && IsCssDigit(*p_); ++p_)
            digits = digits * 10 + static_cast<std::uint64_t>(*p_ - '0');
        std::size_t fraction = 0;
        if (p_ + 1 < end_ && *p_ == '.' && IsCssDigit(p_[1]))
            for (++p_; p_ < end_ && IsCssDigit(*p_); ++p_, ++fraction)
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
        } else if (p_ < end_ && IsCssWordChar(*p_)) {
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
bool LegacyTypesAgree(CssSpace space, const std::array<Kind, 3>& kinds, std::optional<Kind> alpha)
{
    if (alpha == Kind::None || kinds[0] == Kind::None)
        return false;
    const Kind wanted = space == CssSpace::Hsl ? Kind::Percentage : kinds[0];
    if (wanted != Kind::Number && wanted != Kind::Percentage)
        return false;
    for (std::size_t i = space == CssSpace::Hsl ? 1 : 0; i < 3; ++i)
        if (kinds[i] != wanted)
            return false;
    return true;
}

// What a byte is to the check of a counted colour: one lookup instead of a few comparisons.
enum PlainByte : std::uint8_t { kBlankByte = 1, kDigitByte = 2, kWordByte = 4 };
constexpr std::array<std::uint8_t, 256> kPlainBytes = [] {
    std::array<std::uint8_t, 256> bytes{};
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<char>(c);
        bytes[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>((IsCssBlank(byte) ? kBlankByte : 0)
            | (IsCssDigit(byte) ? kDigitByte : 0) | (IsCssWordChar(byte) ? kWordByte : 0));
    }
    return bytes;
}();
bool Is(char c, PlainByte kind) { return (kPlainBytes[static_cast<unsigned char>(c)] & kind) != 0; }

// Past the component at `p` (blanks before it skipped), its kind in `kind`; nullptr where the quick
// reader's component() fails. `close` is the first ')' at or after `p`: no component holds one, so
// it ends every loop without a look at the end of the text.
const char* SkipComponent(const char* p, const char* close, Kind& kind)
{
    while (Is(*p, kBlankByte))
        ++p;
    const char* mantissa = p;
    if (!Is(*p, kDigitByte)) {
        if ((*p | 0x20) == 'n') {
            kind = Kind::None;
            return close - p >= 4 && EqualsIgnoringCase({p, 4}, "none") && !Is(p[4], kWordByte) ? p + 4 : nullptr;
        }
        if (*p == '+' || *p == '-')
            mantissa = ++p;
    }
    while (Is(*p, kDigitByte))
        ++p;
    if (*p == '.' && Is(p[1], kDigitByte))
        for (p += 2; Is(*p, kDigitByte);)
            ++p;
    if (p == mantissa || p - mantissa > 15)
        return nullptr;
    if (*p == '%') {
        kind = Kind::Percentage;
        return p + 1;
    }
    kind = Kind::Number;
    if (!Is(*p, kWordByte))
        return p;
    if ((*p | 0x20) == 'e')
        return nullptr;
    const char* unit = p;
    while (IsCssWordChar(*p))
        ++p;
    kind = Kind::Dimension;
    return DegreesPerAngleUnit({unit, static_cast<std::size_t>(p - unit)}) ? p : nullptr;
}

const PlainFunction* PlainFunctionOf(CssFunction function)
{
    return HasComponents(function) ? &kFunctions[static_cast<std::size_t>(function)] : nullptr;
}

// The components after the '(' of `function` where the checks of ReadPlainCssFunction found
// nothing against them. Kept apart, with its many values, from those checks, which every
// function of a nested colour passes through.
[[gnu::noinline]] std::optional<CssColor> ReadPlainArguments(
    const PlainFunction& function, TextScanner& scan, CssColorUse use)
{
    const bool valued = use == CssColorUse::Shown;
    PlainReader read(scan.rest(), valued);
    CssSpace space = function.space;
    if (function.spaceNamed) {
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
    const bool legacy = function.legacyAllowed && read.peek() == ',';
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
    const std::array<Kind, 3> kinds = {components[0].kind, components[1].kind, components[2].kind};
    if (!read.take(')')
        || (legacy && !LegacyTypesAgree(space, kinds, alphaRead ? std::optional(alpha.kind) : std::nullopt)))
        return std::nullopt;

    CssColor color;
    color.space = space;
    color.legacy = space == CssSpace::Srgb ? function.rgbFunction : space == CssSpace::Hsl || space == CssSpace::Hwb;
    const auto& rules = RulesOf(space, function.rgbFunction);
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

} // namespace

std::optional<CssColor> ReadPlainCssFunction(CssFunction named, TextScanner& scan, CssColorUse use)
{
    const PlainFunction* function = PlainFunctionOf(named);
    if (!function)
        return std::nullopt;
    const std::string_view arguments = scan.rest();
    std::size_t i = 0;
    while (i < arguments.size() && IsCssBlank(arguments[i]))
        ++i;
    // A relative colour is never plain, and no plain form starts with an f: left at its "from".
    if (i < arguments.size() && (arguments[i] | 0x20) == 'f')
        return std::nullopt;
    // A function inside (calc(), a colour) is never plain: left before any component is read.
    for (; i < arguments.size() && arguments[i] != ')'; ++i)
        if (arguments[i] == '(')
            return std::nullopt;
    return ReadPlainArguments(*function, scan, use);
}

std::size_t PlainCssFunctionLength(CssFunction named, std::string_view arguments)
{
    const PlainFunction* function = PlainFunctionOf(named);
    if (!function || arguments.empty())
        return 0;
    const char* const begin = arguments.data();
    // Without a ')' it does not read; with one, no byte before it is one. A function inside
    // (calc(), a colour) is never plain.
    const char* close = begin;
    for (const char* const end = begin + arguments.size(); *close != ')';)
        if (*close == '(' || ++close == end)
            return 0;
    const char* p = begin;
    const auto skipBlanks = [&] {
        while (Is(*p, kBlankByte))
            ++p;
    };
    const auto take = [&](char c) { return *p == c ? (++p, true) : false; };
    CssSpace space = function->space;
    if (function->spaceNamed) {
        skipBlanks();
        const char* word = p;
        while (Is(*p, kWordByte))
            ++p;
        const auto named = CssSpaceNamed({word, static_cast<std::size_t>(p - word)});
        if (!named || !IsPredefinedRgbOrXyz(*named))
            return 0;
        space = *named;
    }
    // Which components (alpha is the fourth) are percentages, and which angles.
    unsigned percentages = 0;
    unsigned angles = 0;
    const auto component = [&](std::size_t i, Kind& kind) {
        p = SkipComponent(p, close, kind);
        percentages |= static_cast<unsigned>(kind == Kind::Percentage) << i;
        angles |= static_cast<unsigned>(kind == Kind::Dimension) << i;
        return p != nullptr;
    };
    std::array<Kind, 3> kinds;
    if (!component(0, kinds[0]))
        return 0;
    skipBlanks();
    const bool legacy = function->legacyAllowed && *p == ',';
    for (std::size_t i = 1; i < 3; ++i) {
        if (legacy && !(skipBlanks(), take(',')))
            return 0;
        if (!component(i, kinds[i]))
            return 0;
    }
    skipBlanks();
    std::optional<Kind> alpha;
    if (take(legacy ? ',' : '/')) {
        if (!component(3, alpha.emplace()))
            return 0;
        skipBlanks();
    }
    // A hue takes a number or an angle, the rest a number or a percentage.
    if (p != close || (percentages & function->hue) != 0 || (angles & ~function->hue) != 0
        || (legacy && !LegacyTypesAgree(space, kinds, alpha)))
        return 0;
    return static_cast<std::size_t>(close + 1 - begin);
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
