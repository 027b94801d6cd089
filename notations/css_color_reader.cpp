#include "notations/css_color_reader.h"

#include "color/ascii_case.h"
#include "notations/css_component_rules.h"
#include "notations/css_function_names.h"
#include "notations/named_colors.h"
#include "notations/plain_css_color.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace pelmora {
namespace {

using Type = CssNumeric::Type;

// The colours CSS takes from the browser and the desktop: their colour is not in the text.
constexpr std::array<std::string_view, 42> kSystemColors
    = {"AccentColor", "AccentColorText", "ActiveText", "ButtonBorder", "ButtonFace", "ButtonText", "Canvas",
        "CanvasText", "Field", "FieldText", "GrayText", "Highlight", "HighlightText", "LinkText", "Mark", "MarkText",
        "SelectedItem", "SelectedItemText", "VisitedText", "ActiveBorder", "ActiveCaption", "AppWorkspace",
        "Background", "ButtonHighlight", "ButtonShadow", "CaptionText", "InactiveBorder", "InactiveCaption",
        "InactiveCaptionText", "InfoBackground", "InfoText", "Menu", "MenuText", "Scrollbar", "ThreeDDarkShadow",
        "ThreeDFace", "ThreeDHighlight", "ThreeDLightShadow", "ThreeDShadow", "Window", "WindowFrame", "WindowText"};

// What starts the arguments of a relative colour: "from" (in any case) and a blank.
constexpr std::string_view kFrom = "from";
bool StartsRelativeColor(std::string_view arguments)
{
    if (arguments.size() <= kFrom.size())
        return false;
    // All four are letters, which setting bit 5 makes small and no other byte turns into: the
    // word is compared in one step.
    constexpr auto kFolded = std::bit_cast<std::uint32_t>(std::array<char, 4>{'f', 'r', 'o', 'm'});
    std::uint32_t four = 0;
    std::memcpy(&four, arguments.data(), sizeof four);
    const char after = arguments[kFrom.size()];
    return (four | 0x20202020u) == kFolded && (after == ' ' || after == '\t' || after == '\n');
}

struct Component {
    bool none = false;
    CssNumeric value;
    std::size_t offset = 0;
    std::string_view unit; // of a dimension, as written
    bool unknownUnit = false; // neither an angle nor a length
};

class ColorReader {
public:
    // `plainFirst`: the plain forms through ReadPlainCssFunction, the rest here.
    ColorReader(TextScanner& scan, ReadResult& error, CssColorUse use, bool plainFirst = true,
        NestedColorReads* nestedReads = nullptr)
        : scan_(scan)
        , error_(error)
        , counted_(use == CssColorUse::Counted)
        , plainFirst_(plainFirst)
        , nestedReads_(nestedReads)
    {
    }

    std::optional<CssColor> color(int depth)
    {
        scan_.skipBlanks();
        if (depth > kMostNestingDepth) {
            fail("colours nested deeper than " + std::to_string(kMostNestingDepth) + " levels");
            error_.stoppedAtNestingLimit = true;
            return std::nullopt;
        }
        if (scan_.peek() == '#')
            return hex();
        const std::size_t start = scan_.offset();
        const std::string_view name = scan_.word();
        if (name.empty())
            return expected("a colour");
        if (!scan_.take('('))
            return keyword(name, start);
        const CssFunction named = CssFunctionNamed(name);
        if (!nestedReads_ || depth == 0)
            return functionCall(named, name, start, depth);
        const std::size_t index = nestedReads_->begin(name.data());
        auto read = functionCall(named, name, start, depth);
        nestedReads_->end(
            index, {name.data(), scan_.rest().data(), read.has_value(), read || !error_.stoppedAtNestingLimit});
        if (read && !counted_)
            nestedReads_->offerColor(name.data(), *read);
        return read;
    }

    // The call of `name` (`named`, starting at `start`), the scanner right after its '('.
    std::optional<CssColor> call(CssFunction named, std::string_view name, std::size_t start)
    {
        return function(named, name, start, 0);
    }

private:
    // `name` is `named`, looked up once for both readers.
    std::optional<CssColor> functionCall(CssFunction named, std::string_view name, std::size_t start, int depth)
    {
        if (plainFirst_ && HasComponents(named))
            if (auto plain = ReadPlainCssFunction(named, scan_, counted_ ? CssColorUse::Counted : CssColorUse::Shown))
                return plain;
        return function(named, name, start, depth);
    }

    std::optional<CssColor> fail(const std::string& reason)
    {
        error_ = scan_.fail(reason);
        return std::nullopt;
    }
    std::optional<CssColor> failAt(std::size_t offset, const std::string& reason)
    {
        error_ = scan_.failAt(offset, reason);
        return std::nullopt;
    }
    std::optional<CssColor> expected(std::string_view what)
    {
        error_ = scan_.expected(what);
        return std::nullopt;
    }

    static CssColor Legacy(Color rgb, double alpha = 1)
    {
        CssColor color;
        color.channels = {rgb.red() / 255.0, rgb.green() / 255.0, rgb.blue() / 255.0};
        color.alpha = alpha;
        color.legacy = true;
        return color;
    }

    std::optional<CssColor> hex()
    {
        scan_.take('#');
        const std::size_t start = scan_.offset();
        const std::string_view digits = scan_.hexRun();
        // A hex colour is one token: "#ff8000x" is not #ff8000 followed by x.
        if (!scan_.word().empty())
            return failAt(start, "expected 3, 4, 6 or 8 hexadecimal digits");
        const auto digit = [&](std::size_t i) {
            const char c = digits[i];
            return c <= '9' ? c - '0' : AsciiLower(c) - 'a' + 10;
        };
        switch (digits.size()) {
        case 3:
        case 4:
            return Legacy(
                RGB(digit(0) * 17, digit(1) * 17, digit(2) * 17), digits.size() == 4 ? digit(3) * 17 / 255.0 : 1.0);
        case 6:
        case 8:
            return Legacy(RGB(digit(0) * 16 + digit(1), digit(2) * 16 + digit(3), digit(4) * 16 + digit(5)),
                digits.size() == 8 ? (digit(6) * 16 + digit(7)) / 255.0 : 1.0);
        default:
            return failAt(start, "expected 3, 4, 6 or 8 hexadecimal digits, found " + std::to_string(digits.size()));
        }
    }

    std::optional<CssColor> keyword(std::string_view name, std::size_t start)
    {
        if (EqualsIgnoringCase(name, "transparent"))
            return Legacy(Color::black(), 0);
        if (const auto named = CssColorOfName(name))
            return Legacy(*named);
        if (EqualsIgnoringCase(name, "currentcolor"))
            return failAt(start, "currentcolor is the colour of the element it is used on, which a text does not have");
        if (std::any_of(kSystemColors.begin(), kSystemColors.end(),
                [&](std::string_view s) { return EqualsIgnoringCase(s, name); }))
            return failAt(
                start, "'" + std::string(name) + "' is a CSS system colour, which the browser and the desktop choose");
        return failAt(start, "'" + std::string(name) + "' is not a CSS colour name");
    }

    std::optional<CssColor> function(CssFunction named, std::string_view name, std::size_t start, int depth)
    {
        switch (named) {
        case CssFunction::Rgb:
        case CssFunction::Rgba:
            return components(CssSpace::Srgb, depth, true);
        case CssFunction::Hsl:
        case CssFunction::Hsla:
            return components(CssSpace::Hsl, depth, true);
        case CssFunction::Hwb:
            return components(CssSpace::Hwb, depth, false);
        case CssFunction::Lab:
            return components(CssSpace::Lab, depth, false);
        case CssFunction::Lch:
            return components(CssSpace::Lch, depth, false);
        case CssFunction::Oklab:
            return components(CssSpace::Oklab, depth, false);
        case CssFunction::Oklch:
            return components(CssSpace::Oklch, depth, false);
        case CssFunction::Color:
            return components(std::nullopt, depth, false);
        case CssFunction::ColorMix:
            return mix(depth);
        case CssFunction::LightDark:
            return failAt(start, "light-dark() depends on the colour scheme of the page it is used on");
        case CssFunction::Var:
            return failAt(start, "var() needs the style sheet that defines the custom property");
        case CssFunction::Attr:
            return failAt(start, "attr() needs the element of a document");
        case CssFunction::Env:
            return failAt(start, "env() needs the browser's environment");
        case CssFunction::Unknown:
            break;
        }
        return failAt(start, "'" + std::string(name) + "()' is not a colour function");
    }

    // Into `read`, as it was made; false, after setting the error, when the component does not read.
    bool component(const CssReadContext& context, Component& read)
    {
        scan_.skipBlanks();
        read.offset = scan_.offset();
        // Most components are plain numbers: nothing else starts with a digit or a point.
        const char first = scan_.peek();
        if (IsCssDigit(first) || first == '.')
            return numeric(read);
        // The word here, read once for all that is asked of it.
        TextScanner afterWord = scan_;
        const std::string_view word = afterWord.word();
        if (EqualsIgnoringCase(word, "none")) {
            scan_ = afterWord;
            read.none = true;
            return true;
        }
        const bool call = !word.empty() && afterWord.peek() == '(';
        // A channel keyword on its own, as relative colours mostly write them: what
        // ReadMathValue gives for it (NaN made 0), without the calculator's round.
        if (!call && context.depth <= kMostNestingDepth && !word.empty()) {
            // The names are written in small letters: most differ in their length or first letter.
            const char initial = AsciiLower(word.front());
            for (const ChannelKeyword& keyword : context.keywords)
                if (keyword.name.size() == word.size() && keyword.name.front() == initial
                    && EqualsIgnoringCase(word, keyword.name)) {
                    scan_ = afterWord;
                    read.value = {Type::Number, std::isnan(keyword.value) ? 0 : keyword.value};
                    return true;
                }
        }
        if (IsMathValue(word, call, context)) {
            const auto value = ReadMathValue(scan_, context, error_);
            if (!value)
                return false;
            read.value = *value;
            return true;
        }
        if (!context.keywords.empty() && !word.empty() && word.front() != '-')
            return notAChannel(word, context);
        return numeric(read);
    }

    // A number, a percentage or a dimension into `read`.
    bool numeric(Component& read)
    {
        const auto value = scan_.cssValue(error_);
        if (!value)
            return false;
        read.value.value = value->value;
        if (value->kind == CssValue::Kind::Percentage) {
            read.value.type = Type::Percentage;
        } else if (value->kind == CssValue::Kind::Dimension) {
            const auto degrees = DegreesPerAngleUnit(value->unit);
            if (!degrees && IsDocumentUnit(value->unit)) {
                error_ = scan_.failAt(
                    value->offset, "'" + std::string(value->unit) + "' is a length, which only a document can resolve");
                return false;
            }
            read.value = {Type::Angle, value->value * degrees.value_or(0)};
            read.unit = value->unit;
            read.unknownUnit = !degrees;
        }
        return true;
    }

    // A word where a channel goes: the message names the channels the relative colour has. Kept
    // apart from component(), whose every call would otherwise pay for making strings.
    [[gnu::noinline]] bool notAChannel(std::string_view word, const CssReadContext& context)
    {
        std::string channels;
        for (const ChannelKeyword& keyword : context.keywords)
            channels += (channels.empty() ? "" : ", ") + std::string(keyword.name);
        error_ = scan_.fail("'" + std::string(word) + "' is not a channel of this relative colour (" + channels + ")");
        return false;
    }

    // A component's value in CssColor's units, or nullopt (after setting the error) when the kind
    // of value does not belong there.
    std::optional<double> resolve(const Component& c, const ComponentRule& rule, bool clamped)
    {
        if (c.unknownUnit || c.value.type == (rule.hue ? Type::Percentage : Type::Angle))
            return misplaced(c, rule);
        const double v = c.value.value;
        // An infinite hue has no place on the circle; CSS takes it as 0.
        if (rule.hue)
            return std::isfinite(v) ? v : 0.0;
        const bool percentage = c.value.type == Type::Percentage;
        return clamped ? rule.scaled(percentage, v) : rule.unclamped(percentage, v);
    }

    // Why a component's kind of value does not belong where it stands. Kept apart from resolve(),
    // which every component of every colour passes through.
    [[gnu::noinline]] std::nullopt_t misplaced(const Component& c, const ComponentRule& rule)
    {
        if (c.unknownUnit)
            error_ = scan_.failAt(
                c.offset, (rule.hue ? "unknown angle unit '" : "unexpected unit '") + std::string(c.unit) + "'");
        else if (rule.hue)
            error_ = scan_.failAt(c.offset, "expected a hue (a number or an angle)");
        else
            error_ = scan_.failAt(c.offset,
                c.unit.empty() ? "expected a number or a percentage, not an angle"
                               : "unexpected unit '" + std::string(c.unit) + "'");
        return std::nullopt;
    }

    std::optional<double> alpha(const Component& c, bool& missing)
    {
        missing = c.none;
        if (c.none)
            return 0.0;
        if (c.value.type == Type::Angle) {
            error_ = scan_.failAt(c.offset, "expected an alpha value");
            return std::nullopt;
        }
        return ClampedAlpha(c.value.type == Type::Percentage, c.value.value);
    }

    // The channel keywords of a relative colour: the origin in the function's space.
    using Keywords = std::array<ChannelKeyword, 4>;
    Keywords keywordsOf(const CssColor& origin, CssSpace space, bool rgbFunction) const
    {
        const auto names = ChannelKeywordsOf(space);
        if (counted_) {
            // Their values change no type, so no success or failure: only their names matter.
            return {{{names[0], 0}, {names[1], 0}, {names[2], 0}, {"alpha", 0}}};
        }
        const CssColor converted = ConvertCss(origin, space);
        const auto channel = [&](std::size_t i) {
            const double v = converted.missing[i] ? 0 : converted.channels[i];
            return ChannelKeyword{names[i], rgbFunction ? v * 255 : v};
        };
        return {{channel(0), channel(1), channel(2), {"alpha", origin.alphaMissing ? 0 : origin.alpha}}};
    }

    // rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), and color() when `fixedSpace` is empty.
    std::optional<CssColor> components(std::optional<CssSpace> fixedSpace, int depth, bool legacyAllowed)
    {
        scan_.skipBlanks();
        const bool relative = StartsRelativeColor(scan_.rest());
        if (relative)
            scan_.skip(kFrom.size());
        const std::optional<CssColor> origin = relative ? color(depth + 1) : std::nullopt;
        if (relative) {
            if (!origin)
                return std::nullopt;
            scan_.skipBlanks();
        }
        CssSpace space = fixedSpace.value_or(CssSpace::Srgb);
        if (!fixedSpace) {
            const std::size_t start = scan_.offset();
            const std::string_view name = scan_.word();
            const auto named = CssSpaceNamed(name);
            if (!named || !IsPredefinedRgbOrXyz(*named))
                return failAt(start,
                    name.empty() ? "expected a colour space"
                                 : "'" + std::string(name) + "' is not a colour space of color()");
            space = *named;
        }
        const bool rgbFunction = fixedSpace == CssSpace::Srgb;
        const Keywords keywords = origin ? keywordsOf(*origin, space, rgbFunction) : Keywords{};
        const CssReadContext context{
            origin ? std::span<const ChannelKeyword>(keywords) : std::span<const ChannelKeyword>(), depth + 1};

        std::array<Component, 3> read;
        if (!component(context, read[0]))
            return std::nullopt;
        scan_.skipBlanks();
        const bool legacy = legacyAllowed && !origin && scan_.peek() == ',';
        for (std::size_t i = 1; i < 3; ++i) {
            // A component skips the blanks before it by itself.
            if (legacy && !(scan_.skipBlanks(), scan_.take(',')))
                return expected("','");
            if (!component(context, read[i]))
                return std::nullopt;
        }
        scan_.skipBlanks();
        std::optional<Component> alphaRead;
        if (legacy ? scan_.take(',') : scan_.take('/')) {
            if (!component(context, alphaRead.emplace()))
                return std::nullopt;
            scan_.skipBlanks();
        }
        if (!scan_.take(')'))
            return expected(legacy ? "')'" : alphaRead ? "')'" : "')' or '/'");
        if (legacy && !legacyChecked(space, read, alphaRead))
            return std::nullopt;

        CssColor result;
        result.space = space;
        // A relative colour keeps channels beyond sRGB (rgb(from color(display-p3 0 1 0) r g b) is
        // the P3 green itself), and is gamut-mapped like color(): only the absolute forms are clamped.
        result.legacy
            = !origin && (space == CssSpace::Srgb ? rgbFunction : space == CssSpace::Hsl || space == CssSpace::Hwb);
        const auto& rules = RulesOf(space, rgbFunction);
        const bool clamped = !origin || !(rgbFunction || space == CssSpace::Hsl);
        for (std::size_t i = 0; i < 3; ++i) {
            result.missing[i] = read[i].none;
            if (read[i].none)
                continue;
            const auto value = resolve(read[i], rules[i], clamped);
            if (!value)
                return std::nullopt;
            result.channels[i] = *value;
        }
        if (alphaRead) {
            const auto a = alpha(*alphaRead, result.alphaMissing);
            if (!a)
                return std::nullopt;
            result.alpha = *a;
        } else if (origin) {
            result.alpha = origin->alpha;
            result.alphaMissing = origin->alphaMissing;
        }
        return result;
    }

    // The comma syntax: no none, rgb() all numbers or all percentages, hsl() percentages.
    bool legacyChecked(CssSpace space, const std::array<Component, 3>& read, const std::optional<Component>& alpha)
    {
        for (const Component& c : read)
            if (c.none) {
                error_ = scan_.failAt(c.offset, "none is not allowed with commas");
                return false;
            }
        if (alpha && alpha->none) {
            error_ = scan_.failAt(alpha->offset, "none is not allowed with commas");
            return false;
        }
        for (std::size_t i = space == CssSpace::Hsl ? 1 : 0; i < 3; ++i) {
            const Type wanted = space == CssSpace::Hsl ? Type::Percentage : read[0].value.type;
            if (read[i].value.type != wanted || wanted == Type::Angle) {
                error_ = scan_.failAt(read[i].offset,
                    space == CssSpace::Hsl                   ? "expected a percentage"
                        : read[0].value.type == Type::Number ? "expected a number like the first value"
                                                             : "expected a percentage like the first value");
                return false;
            }
        }
        return true;
    }

    struct MixItem {
        CssColor color;
        std::optional<double> percent;
    };

    // color-mix([in SPACE [HUE-METHOD hue],] C1 [P1], C2 [P2] ...): one colour or more, mixed in
    // Oklab when no space is named, as CSS Color 5 now has it.
    std::optional<CssColor> mix(int depth)
    {
        scan_.skipBlanks();
        CssSpace space = CssSpace::Oklab;
        HueInterpolation hue = HueInterpolation::Shorter;
        if (scan_.takeWord("in")) {
            scan_.skipBlanks();
            const std::size_t spaceStart = scan_.offset();
            const std::string_view spaceName = scan_.word();
            const auto named = CssSpaceNamed(spaceName);
            if (!named)
                return failAt(spaceStart,
                    spaceName.empty() ? "expected a colour space"
                                      : "'" + std::string(spaceName) + "' is not a colour space color-mix() knows");
            space = *named;
            scan_.skipBlanks();
            if (scan_.peek() != ',') {
                const std::size_t methodStart = scan_.offset();
                const std::string_view method = scan_.word();
                constexpr std::array<std::pair<std::string_view, HueInterpolation>, 4> kMethods = {{
                    {"shorter", HueInterpolation::Shorter},
                    {"longer", HueInterpolation::Longer},
                    {"increasing", HueInterpolation::Increasing},
                    {"decreasing", HueInterpolation::Decreasing},
                }};
                const auto found = std::find_if(kMethods.begin(), kMethods.end(),
                    [&](const auto& m) { return EqualsIgnoringCase(m.first, method); });
                if (found == kMethods.end())
                    return failAt(methodStart,
                        "expected ',' or a hue interpolation method (shorter, longer, increasing, decreasing)");
                if (HueIndex(space) < 0)
                    return failAt(methodStart, "'" + std::string(spaceName) + "' has no hue to interpolate");
                scan_.skipBlanks();
                if (!scan_.takeWord("hue"))
                    return expected("'hue'");
                hue = found->second;
                scan_.skipBlanks();
            }
            if (!scan_.take(','))
                return expected("','");
        } else {
            // "color-mix(srgb, ...)": the space without its "in" would read as an unknown colour name.
            TextScanner probe = scan_;
            const std::size_t start = probe.offset();
            const std::string_view word = probe.word();
            if (CssSpaceNamed(word) && probe.peek() != '(')
                return failAt(start, "expected 'in' before the colour space '" + std::string(word) + "'");
        }
        // Mostly two colours, kept without allocating; more move to the heap.
        std::array<MixItem, 2> few;
        std::vector<MixItem> many;
        std::size_t count = 0;
        do {
            if (count == few.size())
                many.assign(few.begin(), few.end());
            MixItem& item = count < few.size() ? few[count] : many.emplace_back();
            if (!mixPart(depth, item.color, item.percent))
                return std::nullopt;
            ++count;
            scan_.skipBlanks();
        } while (scan_.take(','));
        if (!scan_.take(')'))
            return expected("',' or ')'");
        const std::span<MixItem> items = many.empty() ? std::span<MixItem>(few).first(count) : std::span<MixItem>(many);
        const double leftover = NormalizeMixPercentages(items);
        if (counted_)
            return items.front().color;
        // Nothing of any colour: transparent black, as CSS Color 5 calculates a mix.
        if (leftover == 100) {
            CssColor none = ConvertCss(Legacy(Color::black(), 0), space);
            none.legacy = false;
            return none;
        }
        // Each colour in turn mixed into what the ones before it gave, weighed by their shares: in
        // a space with a hue the order matters, since "shorter" depends on where the mix stands.
        CssColor mixed = ConvertCss(items.front().color, space);
        mixed.legacy = false;
        double share = *items.front().percent;
        for (std::size_t i = 1; i < items.size(); ++i) {
            const double combined = share + *items[i].percent;
            const double t = combined > 0 ? *items[i].percent / combined : 0.5;
            mixed = InterpolateCss(mixed, items[i].color, t, space, hue);
            share = combined;
        }
        mixed.alpha *= 1 - leftover / 100;
        return mixed;
    }

    // CSS Values 5 with its forced normalisation: an omitted percentage is an equal share of what
    // the given ones leave (nothing once they reach 100%), and all are scaled to add up to 100%
    // unless every one is 0%. Returns what a sum below 100% leaves over, which fades the alpha.
    static double NormalizeMixPercentages(std::span<MixItem> items)
    {
        double given = 0;
        std::size_t omitted = 0;
        for (const MixItem& item : items) {
            given += item.percent.value_or(0);
            omitted += item.percent ? 0 : 1;
        }
        given = std::min(given, 100.0);
        double total = 0;
        for (MixItem& item : items) {
            if (!item.percent)
                item.percent = (100 - given) / static_cast<double>(omitted);
            total += *item.percent;
        }
        if (total > 0)
            for (MixItem& item : items)
                *item.percent *= 100 / total;
        return total < 100 ? 100 - total : 0;
    }

    bool mixPart(int depth, CssColor& mixed, std::optional<double>& percent)
    {
        const auto readPercent = [&]() {
            const CssReadContext context{{}, depth + 1};
            Component c;
            if (!component(context, c))
                return false;
            if (c.none || c.value.type != Type::Percentage || c.value.value < 0 || c.value.value > 100) {
                error_ = scan_.failAt(c.offset, "expected a percentage from 0% to 100%");
                return false;
            }
            percent = c.value.value;
            return true;
        };
        scan_.skipBlanks();
        const char first = scan_.peek();
        const bool percentFirst
            = IsCssDigit(first) || first == '.' || first == '+' || first == '-' || AtMathValue(scan_, {});
        if (percentFirst && !readPercent())
            return false;
        const auto read = color(depth + 1);
        if (!read)
            return false;
        mixed = *read;
        scan_.skipBlanks();
        if (!percentFirst && scan_.peek() != ',' && scan_.peek() != ')')
            return readPercent();
        return true;
    }

    TextScanner& scan_;
    ReadResult& error_;
    bool counted_ = false;
    bool plainFirst_ = true;
    NestedColorReads* nestedReads_ = nullptr;
};

} // namespace

bool NamesCssColorFunction(std::string_view name) { return CssFunctionNamed(name) != CssFunction::Unknown; }

std::optional<CssColor> ReadCssColorAt(
    TextScanner& scan, int depth, ReadResult& error, CssColorUse use, NestedColorReads* nestedReads)
{
    return ColorReader(scan, error, use, true, nestedReads).color(depth);
}

std::optional<CssColor> ReadCssFunctionAt(TextScanner& scan, CssFunction named, std::string_view name,
    std::size_t start, ReadResult& error, CssColorUse use, NestedColorReads* nestedReads)
{
    return ColorReader(scan, error, use, true, nestedReads).call(named, name, start);
}

std::optional<CssColor> ReadCssColorGenerally(TextScanner& scan, ReadResult& error)
{
    return ColorReader(scan, error, CssColorUse::Shown, false).color(0);
}

ReadResult ReadCssColorText(std::string_view text, std::initializer_list<std::string_view> kinds)
{
    TextScanner scan(text);
    scan.skipBlanks();
    if (kinds.size() > 0) {
        // "#" is a hex colour, "" a colour keyword, anything else a function of that name.
        TextScanner probe = scan;
        const bool hash = probe.peek() == '#';
        const std::string_view name = probe.word();
        const bool call = !name.empty() && probe.peek() == '(';
        const bool wanted = std::any_of(kinds.begin(), kinds.end(), [&](std::string_view kind) {
            return kind == "#" ? hash : kind.empty() ? !name.empty() && !call : call && EqualsIgnoringCase(kind, name);
        });
        if (!wanted) {
            const std::string_view first = *kinds.begin();
            if (first == "#")
                return scan.expected("'#'");
            return scan.fail("expected " + (first.empty() ? "a colour name" : "'" + std::string(first) + "('"));
        }
    }
    ReadResult error;
    const auto color = ReadCssColorAt(scan, 0, error);
    if (!color)
        return error;
    const MappedColor rgb = CssColorToRgb(*color);
    ReadResult result = scan.finish(rgb.color, rgb.mapped);
    result.alpha = color->alphaMissing ? 0 : color->alpha;
    return result;
}

} // namespace pelmora
