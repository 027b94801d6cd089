#include "notations/contrast_suggestion.h"

#include "color/ascii_case.h"
#include "notations/contrast.h"
#include "notations/css_space.h"
#include "notations/gamut_mapping.h"

#include <cmath>

namespace pelmora {
namespace {

// Halving the lightness interval this often leaves it far below one 8-bit step of any channel, so
// the bound found is the first lightness whose rounded colour passes.
constexpr int kSearchSteps = 40;

struct HueLine {
    double chroma;
    double hue;

    Color at(double lightness) const { return ToSrgbColor({lightness, chroma, hue}, CssSpace::Oklch).color; }
};

bool Passes(Color color, Color background, double minimumRatio)
{
    return ContrastOf(color, background).ratio >= minimumRatio;
}

// The lightness between `from` (failing) and `to` (passing) nearest to `from` that passes. Along one
// hue the luminance rises with the lightness, and the colour starts out on the failing side, so the
// passing part of the way is one stretch ending at `to`.
double FirstPassing(const HueLine& line, double from, double to, Color background, double minimumRatio)
{
    for (int step = 0; step < kSearchSteps; ++step) {
        const double middle = (from + to) / 2;
        (Passes(line.at(middle), background, minimumRatio) ? to : from) = middle;
    }
    return to;
}

} // namespace

std::optional<SuggestionLevel> SuggestionLevelNamed(std::string_view name)
{
    for (const SuggestionLevel& level : kSuggestionLevels) {
        if (EqualsIgnoringCase(name, level.name))
            return level;
    }
    return std::nullopt;
}

ContrastSuggestion NearestPassingColor(Color color, Color background, double minimumRatio)
{
    ContrastSuggestion suggestion;
    suggestion.color = color;
    if (Passes(color, background, minimumRatio))
        return suggestion;
    const Triple oklch = ConvertColor(EncodedOf(color), CssSpace::Srgb, CssSpace::Oklch);
    // A grey has no hue: any will do, as its chroma is zero.
    const HueLine line{oklch.b, std::isnan(oklch.c) ? 0.0 : oklch.c};
    const double start = oklch.a;
    std::optional<double> best;
    for (const double end : {0.0, 1.0}) {
        if (!Passes(line.at(end), background, minimumRatio))
            continue;
        const double found = FirstPassing(line, start, end, background, minimumRatio);
        if (!best || std::abs(found - start) < std::abs(*best - start))
            best = found;
    }
    if (!best) {
        suggestion.outcome = ContrastSuggestion::Outcome::Unreachable;
        return suggestion;
    }
    suggestion.outcome = ContrastSuggestion::Outcome::Found;
    suggestion.color = line.at(*best);
    suggestion.lightness = *best;
    return suggestion;
}

} // namespace pelmora
