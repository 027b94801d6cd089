#pragma once
// CSS math functions where a colour function takes a number, a percentage or an angle: calc(),
// min(), max(), clamp(), round(), mod(), rem(), abs(), sign(), the constants e, pi, infinity,
// -infinity and NaN, and the channel keywords of a relative colour (`r`, `l`, `alpha` ...).
//
// A value is typed as CSS Values 4 types it: a number, a percentage or an angle (in degrees). Sums
// need one type on both sides, a product at least one plain number, a divisor a plain number.
// Lengths and the other units that need a document (em, px, vw ...) cannot be resolved without
// one and are refused with a message saying so.

#include "notations/read_result.h"
#include "notations/text_scanner.h"

#include <optional>
#include <span>
#include <string_view>

namespace pelmora {

struct CssNumeric {
    enum class Type { Number, Percentage, Angle };
    Type type = Type::Number;
    double value = 0; // an angle in degrees, a percentage as written (50 for 50%)
};

// A channel keyword of a relative colour and the number it stands for.
struct ChannelKeyword {
    std::string_view name;
    double value = 0;
};

// How deep calc() and colour functions may nest inside one another before reading gives up; deep
// enough for anything written by hand, shallow enough that the reader's stack stays small.
inline constexpr int kMostNestingDepth = 24;

struct CssReadContext {
    std::span<const ChannelKeyword> keywords; // empty outside a relative colour
    int depth = 0;
};

// True when the scanner stands at a math function or, inside a relative colour, at a channel
// keyword or a constant that only calc() takes.
bool AtMathValue(const TextScanner& scan, const CssReadContext& context);
// The same for a caller that has read the word at the scanner and whether a '(' follows it.
bool IsMathValue(std::string_view word, bool call, const CssReadContext& context);

// Reads one math function (or a channel keyword) at the scanner and gives its value with CSS's
// rules for a top-level calculation: NaN becomes 0, an infinity stays for the caller to clamp.
std::optional<CssNumeric> ReadMathValue(TextScanner& scan, const CssReadContext& context, ReadResult& error);

// The unit of an angle in degrees per unit, or nullopt. Lengths and other document units are
// recognised so that the message can say why they are not read.
std::optional<double> DegreesPerAngleUnit(std::string_view unit);
bool IsDocumentUnit(std::string_view unit);

} // namespace pelmora
