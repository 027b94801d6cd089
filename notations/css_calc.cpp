#include "notations/css_calc.h"

#include "color/ascii_case.h"
#include "notations/folded_name.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numbers>
#include <optional>
#include <string>
#include <utility>

namespace pelmora {
namespace {

using Type = CssNumeric::Type;

enum class MathFunction { Calc, Min, Max, Clamp, Round, Mod, Rem, Abs, Sign };

constexpr std::array<std::pair<std::string_view, MathFunction>, 9> kMathFunctions = {{
    {"calc", MathFunction::Calc},
    {"min", MathFunction::Min},
    {"max", MathFunction::Max},
    {"clamp", MathFunction::Clamp},
    {"round", MathFunction::Round},
    {"mod", MathFunction::Mod},
    {"rem", MathFunction::Rem},
    {"abs", MathFunction::Abs},
    {"sign", MathFunction::Sign},
}};

std::optional<MathFunction> MathFunctionNamed(std::string_view name)
{
    for (const auto& [known, function] : kMathFunctions)
        if (EqualsIgnoringCase(known, name))
            return function;
    return std::nullopt;
}

// Asked of every function met where a component goes, colours included: one key, no byte compares.
bool IsMathFunction(std::string_view name)
{
    static constexpr auto kKeys = [] {
        std::array<std::uint64_t, kMathFunctions.size()> keys{};
        for (std::size_t i = 0; i < kMathFunctions.size(); ++i)
            keys[i] = LetterNameKey(kMathFunctions[i].first);
        return keys;
    }();
    const std::uint64_t key = FoldedNameKey(name);
    return key != 0 && std::find(kKeys.begin(), kKeys.end(), key) != kKeys.end();
}

// "calc(" in any case, the commonest math function by far, told in one comparison of its letters:
// setting 0x20 makes a capital letter small and turns nothing else into a small letter.
constexpr std::string_view kCalcCall = "calc(";
bool AtCalcCall(std::string_view rest)
{
    if (rest.size() < kCalcCall.size() || rest[4] != '(')
        return false;
    std::uint32_t letters = 0;
    std::uint32_t calc = 0;
    std::memcpy(&letters, rest.data(), sizeof letters);
    std::memcpy(&calc, kCalcCall.data(), sizeof calc);
    return (letters | 0x20202020u) == calc;
}

std::string_view TypeName(Type type)
{
    switch (type) {
    case Type::Number:
        return "a number";
    case Type::Percentage:
        return "a percentage";
    case Type::Angle:
        return "an angle";
    }
    return "";
}

bool IsDigitAt(std::string_view rest, std::size_t i) { return i < rest.size() && rest[i] >= '0' && rest[i] <= '9'; }

// '+', '-', '.', a digit, or ',' and '/' that share their range: one comparison that turns away
// names, brackets and blanks before a number is looked for.
constexpr bool MayStartNumber(char c) { return static_cast<unsigned char>(c - '+') <= '9' - '+'; }

bool AtNumber(std::string_view rest)
{
    std::size_t i = 0;
    if (i < rest.size() && (rest[i] == '+' || rest[i] == '-'))
        ++i;
    if (i < rest.size() && rest[i] == '.')
        ++i;
    return IsDigitAt(rest, i);
}

// The word at the scanner and whether a '(' follows it, without consuming anything.
struct Lookahead {
    std::string_view word;
    bool call = false;
};

Lookahead LookAt(const TextScanner& scan)
{
    TextScanner probe = scan;
    Lookahead ahead;
    ahead.word = probe.word();
    ahead.call = !ahead.word.empty() && probe.peek() == '(';
    return ahead;
}

// The arguments of a math function as far as any function needs them, kept without allocating:
// the first three, and min()'s and max()'s results so far (those two take any number).
struct Arguments {
    std::array<CssNumeric, 3> first{};
    std::size_t count = 0;
    double least = 0;
    double most = 0;

    const CssNumeric& front() const { return first[0]; }
    void add(const CssNumeric& argument)
    {
        const double v = argument.value;
        const double nan = std::numeric_limits<double>::quiet_NaN();
        if (count < first.size())
            first[count] = argument;
        least = count == 0 ? v : std::isnan(least) || std::isnan(v) ? nan : std::min(least, v);
        most = count == 0 ? v : std::isnan(most) || std::isnan(v) ? nan : std::max(most, v);
        ++count;
    }
};

// Reads a calculation by recursive descent. Each level gives its value as it is, and a failure
// sets `failed_` and the error once, where reading stopped: the calculator is called once per
// operand and level, and a value that needs no wrapping costs nothing to pass back.
class Calculator {
public:
    Calculator(TextScanner& scan, const CssReadContext& context, ReadResult& error)
        : scan_(scan)
        , outer_(scan)
        , context_(context)
        , error_(error)
    {
    }

    std::optional<CssNumeric> read(int depth)
    {
        skipBlanksWithin(depth);
        const CssNumeric result = value(depth);
        outer_ = scan_;
        if (failed_)
            return std::nullopt;
        return result;
    }

private:
    using Step = CssNumeric; // what a level gives back; meaningless once failed_ is set

    // Out of the way of the reading: a message is put together once per text at most, and the
    // readers of each level stay small without it.
    [[gnu::cold]] Step fail(std::string_view reason) { return failWith(scan_.fail(reason)); }
    [[gnu::cold]] Step failAt(std::size_t offset, std::string_view reason)
    {
        return failWith(scan_.failAt(offset, reason));
    }
    [[gnu::cold]] Step expected(std::string_view what) { return failWith(scan_.expected(what)); }
    [[gnu::cold]] Step cannotAdd(std::size_t offset, Type added, Type to)
    {
        return failAt(offset, "cannot add " + std::string(TypeName(added)) + " to " + std::string(TypeName(to)));
    }
    [[gnu::cold]] Step noBlankAfter(char op) { return fail(std::string("expected a blank after '") + op + "'"); }
    Step failWith(ReadResult error)
    {
        error_ = std::move(error);
        failed_ = true;
        return {};
    }

    // Blanks before a value at `depth`, unless it is too deep: that failure names the place
    // before them.
    void skipBlanksWithin(int depth)
    {
        if (depth <= kMostNestingDepth)
            scan_.skipBlanks();
    }

    // A number, a bracketed sum, a math function or a keyword at the scanner, after the blanks
    // before it. Most are plain numbers, read here without the calls the others need.
    [[gnu::always_inline]] Step value(int depth)
    {
        if (depth <= kMostNestingDepth) {
            if (MayStartNumber(scan_.peek())) {
                if (const auto plain = scan_.plainNumber())
                    return {Type::Number, *plain};
            } else if (AtCalcCall(scan_.rest())) {
                scan_.skip(kCalcCall.size());
                return single(MathFunction::Calc, depth + 1);
            }
        }
        return compound(depth);
    }

    [[gnu::noinline]] Step compound(int depth)
    {
        if (depth > kMostNestingDepth) {
            fail("nested deeper than " + std::to_string(kMostNestingDepth) + " levels");
            error_.stoppedAtNestingLimit = true;
            return {};
        }
        const std::size_t start = scan_.offset();
        if (scan_.take('(')) {
            skipBlanksWithin(depth + 1);
            return closed(sum(depth + 1));
        }
        if (MayStartNumber(scan_.peek()) && AtNumber(scan_.rest()))
            return literal();
        const std::string_view word = scan_.word();
        if (word.empty())
            return expected("a number, a percentage or an angle");
        if (scan_.take('('))
            return function(word, start, depth + 1);
        return keyword(word, start);
    }

    // `inner` followed by the ')' that closes it.
    Step closed(Step inner)
    {
        if (failed_)
            return {};
        scan_.skipBlanks();
        if (!scan_.take(')'))
            return expected("')'");
        return inner;
    }

    Step literal()
    {
        const auto read = scan_.cssValue(error_);
        if (!read) {
            failed_ = true;
            return {};
        }
        switch (read->kind) {
        case CssValue::Kind::Number:
            return {Type::Number, read->value};
        case CssValue::Kind::Percentage:
            return {Type::Percentage, read->value};
        case CssValue::Kind::Dimension:
            if (const auto degrees = DegreesPerAngleUnit(read->unit))
                return {Type::Angle, read->value * *degrees};
            if (IsDocumentUnit(read->unit))
                return failAt(
                    read->offset, "'" + std::string(read->unit) + "' is a length, which only a document can resolve");
            return failAt(read->offset, "unknown unit '" + std::string(read->unit) + "'");
        case CssValue::Kind::None:
            break;
        }
        return failAt(read->offset, "none is not a number");
    }

    Step keyword(std::string_view word, std::size_t start)
    {
        for (const ChannelKeyword& channel : context_.keywords)
            if (EqualsIgnoringCase(word, channel.name))
                return {Type::Number, channel.value};
        if (EqualsIgnoringCase(word, "e"))
            return {Type::Number, std::numbers::e};
        if (EqualsIgnoringCase(word, "pi"))
            return {Type::Number, std::numbers::pi};
        if (EqualsIgnoringCase(word, "infinity"))
            return {Type::Number, HUGE_VAL};
        if (EqualsIgnoringCase(word, "-infinity"))
            return {Type::Number, -HUGE_VAL};
        if (EqualsIgnoringCase(word, "nan"))
            return {Type::Number, std::numeric_limits<double>::quiet_NaN()};
        return failAt(start,
            "'" + std::string(word) + "' is not a number"
                + (context_.keywords.empty() ? "" : " or a channel of the colour this one is relative to"));
    }

    // Terms joined by '+' and '-', each a product of values joined by '*' and '/'. Each product is
    // worked out as it is read, so that one loop serves both and a level costs one call.
    Step sum(int depth)
    {
        Step total;
        char join = 0; // the '+' or '-' before the term being read; none before the first
        std::size_t termStart = 0;
        for (;;) {
            Step term = value(depth);
            std::size_t termEnd = 0;
            char op = 0;
            while (!failed_) {
                termEnd = scan_.offset();
                scan_.skipBlanks();
                op = scan_.peek();
                if (op != '*' && op != '/')
                    break;
                scan_.skip(1);
                scan_.skipBlanks();
                const std::size_t rightStart = scan_.offset();
                const Step right = value(depth);
                if (!failed_)
                    multiply(term, op, right, rightStart);
            }
            if (failed_)
                return {};
            if (join == 0) {
                total = term;
            } else {
                if (term.type != total.type)
                    return cannotAdd(termStart, term.type, total.type);
                total.value = join == '+' ? total.value + term.value : total.value - term.value;
            }
            // '+' and '-' between terms need blanks on both sides ("1 -2" is two numbers).
            if ((op != '+' && op != '-') || scan_.offset() == termEnd)
                return total;
            scan_.skip(1);
            const std::size_t after = scan_.offset();
            scan_.skipBlanks();
            if (scan_.offset() == after)
                return noBlankAfter(op);
            join = op;
            termStart = scan_.offset();
        }
    }

    // `left` '*' or '/' `right`, which starts at `rightStart`.
    void multiply(Step& left, char op, const Step& right, std::size_t rightStart)
    {
        if (op == '*') {
            if (left.type != Type::Number && right.type != Type::Number) {
                failAt(rightStart, "cannot multiply two values that both have units");
                return;
            }
            left.type = left.type == Type::Number ? right.type : left.type;
            left.value *= right.value;
        } else {
            if (right.type != Type::Number) {
                failAt(rightStart, "can only divide by a number");
                return;
            }
            left.value /= right.value;
        }
    }

    // Comma-separated sums of one type.
    bool arguments(Arguments& out, int depth, std::size_t most)
    {
        do {
            const std::size_t start = (scan_.skipBlanks(), scan_.offset());
            const Step argument = sum(depth);
            if (failed_)
                return false;
            if (out.count > 0 && argument.type != out.front().type) {
                failAt(start, "expected " + std::string(TypeName(out.front().type)) + " like the first argument");
                return false;
            }
            out.add(argument);
            scan_.skipBlanks();
        } while (out.count < most && scan_.take(','));
        return true;
    }

    Step function(std::string_view name, std::size_t start, int depth)
    {
        const auto named = MathFunctionNamed(name);
        if (!named)
            return failAt(start, "'" + std::string(name) + "()' is not a math function");
        const MathFunction f = *named;
        if (f == MathFunction::Round)
            return closed(round(depth));
        if (f == MathFunction::Calc || f == MathFunction::Abs || f == MathFunction::Sign)
            return single(f, depth);
        const std::size_t most = f == MathFunction::Clamp      ? 3
            : f == MathFunction::Mod || f == MathFunction::Rem ? 2
                                                               : 64;
        Arguments args;
        if (!arguments(args, depth, most))
            return {};
        if (!scan_.take(')'))
            return expected(args.count == most ? "')'" : "',' or ')'");
        const std::size_t least = most == 64 ? 1 : most;
        if (args.count < least)
            return fail("expected " + std::to_string(least) + " arguments in " + std::string(name) + "()");
        Step result = args.front();
        double& v = result.value;
        if (f == MathFunction::Min || f == MathFunction::Max) {
            v = f == MathFunction::Min ? args.least : args.most;
        } else if (f == MathFunction::Clamp) {
            const double low = args.first[0].value;
            const double high = args.first[2].value;
            const double middle = args.first[1].value;
            v = std::isnan(low) || std::isnan(middle) || std::isnan(high)
                ? std::numeric_limits<double>::quiet_NaN()
                : std::max(low, std::min(middle, high)); // CSS: the minimum wins over the maximum
        } else {
            v = Remainder(v, args.first[1].value, f == MathFunction::Mod);
        }
        return result;
    }

    // calc(), abs() and sign(): one sum, the commonest function by far.
    Step single(MathFunction f, int depth)
    {
        scan_.skipBlanks();
        Step result = sum(depth);
        if (failed_)
            return {};
        scan_.skipBlanks();
        if (!scan_.take(')'))
            return expected("')'");
        double& v = result.value;
        if (f == MathFunction::Abs) {
            v = std::fabs(v);
        } else if (f == MathFunction::Sign) {
            result.type = Type::Number;
            v = std::isnan(v) || v == 0 ? v : (v > 0 ? 1.0 : -1.0);
        }
        return result;
    }

    // CSS's mod() takes the divisor's sign, rem() the dividend's.
    static double Remainder(double a, double b, bool divisorSign)
    {
        if (b == 0 || std::isinf(a))
            return std::numeric_limits<double>::quiet_NaN();
        if (std::isinf(b))
            return divisorSign && (a < 0) != (b < 0) && a != 0 ? std::numeric_limits<double>::quiet_NaN() : a;
        double r = std::fmod(a, b);
        if (divisorSign && r != 0 && (r < 0) != (b < 0))
            r += b;
        return r;
    }

    // round(<strategy>?, A, B?): B defaults to 1 for a plain number.
    Step round(int depth)
    {
        scan_.skipBlanks();
        std::string_view strategy = "nearest";
        TextScanner probe = scan_;
        const std::string_view word = probe.word();
        for (const std::string_view s : {"nearest", "up", "down", "to-zero"})
            if (EqualsIgnoringCase(word, s)) {
                if (probe.skipBlanks(), probe.take(',')) {
                    strategy = s;
                    scan_ = probe;
                }
                break;
            }
        Arguments args;
        if (!arguments(args, depth, 2))
            return {};
        if (args.count == 1 && args.front().type != Type::Number)
            return fail("round() of " + std::string(TypeName(args.front().type)) + " needs a step");
        const double a = args.first[0].value;
        const double b = args.count == 2 ? args.first[1].value : 1.0;
        Step result = args.front();
        if (b == 0 || std::isnan(a) || std::isnan(b) || (std::isinf(a) && std::isinf(b))) {
            result.value = std::numeric_limits<double>::quiet_NaN();
        } else if (std::isinf(a)) {
            result.value = a;
        } else if (std::isinf(b)) {
            // A step of infinity leaves 0 or ±infinity depending on the direction.
            result.value = strategy == "up" ? (a > 0 ? HUGE_VAL : 0.0)
                : strategy == "down"        ? (a < 0 ? -HUGE_VAL : 0.0)
                                            : std::copysign(0.0, a);
        } else {
            const double step = std::fabs(b);
            const double down = std::floor(a / step) * step;
            const double up = std::ceil(a / step) * step;
            if (strategy == "up")
                result.value = up;
            else if (strategy == "down")
                result.value = down;
            else if (strategy == "to-zero")
                result.value = std::fabs(down) < std::fabs(up) ? down : up;
            else // nearest: a tie goes up, towards +infinity
                result.value = a - down < up - a ? down : up;
        }
        return result;
    }

    // Read through a copy of the caller's scanner, one step closer than through a reference.
    TextScanner scan_;
    TextScanner& outer_;
    const CssReadContext& context_;
    ReadResult& error_;
    bool failed_ = false;
};

} // namespace

std::optional<double> DegreesPerAngleUnit(std::string_view unit)
{
    if (EqualsIgnoringCase(unit, "deg"))
        return 1.0;
    if (EqualsIgnoringCase(unit, "grad"))
        return 360.0 / 400;
    if (EqualsIgnoringCase(unit, "rad"))
        return 180 / std::numbers::pi;
    if (EqualsIgnoringCase(unit, "turn"))
        return 360.0;
    return std::nullopt;
}

bool IsDocumentUnit(std::string_view unit)
{
    static constexpr std::array<std::string_view, 48> kLengths = {"em", "rem", "ex", "rex", "cap", "rcap", "ch", "rch",
        "ic", "ric", "lh", "rlh", "vw", "vh", "vi", "vb", "vmin", "vmax", "svw", "svh", "svi", "svb", "svmin", "svmax",
        "lvw", "lvh", "lvi", "lvb", "lvmin", "lvmax", "dvw", "dvh", "dvi", "dvb", "dvmin", "dvmax", "cqw", "cqh", "cqi",
        "cqb", "cqmin", "cqmax", "px", "cm", "mm", "q", "in", "pt"};
    return EqualsIgnoringCase(unit, "pc") || std::any_of(kLengths.begin(), kLengths.end(), [&](std::string_view u) {
        return EqualsIgnoringCase(u, unit);
    });
}

bool AtMathValue(const TextScanner& scan, const CssReadContext& context)
{
    const Lookahead ahead = LookAt(scan);
    return IsMathValue(ahead.word, ahead.call, context);
}

bool IsMathValue(std::string_view word, bool call, const CssReadContext& context)
{
    if (call)
        return IsMathFunction(word);
    return std::any_of(context.keywords.begin(), context.keywords.end(),
        [&](const ChannelKeyword& k) { return EqualsIgnoringCase(k.name, word); });
}

std::optional<CssNumeric> ReadMathValue(TextScanner& scan, const CssReadContext& context, ReadResult& error)
{
    auto result = Calculator(scan, context, error).read(context.depth);
    // NaN does not escape a top-level calculation; it becomes 0.
    if (result && std::isnan(result->value))
        result->value = 0;
    return result;
}

} // namespace pelmora
