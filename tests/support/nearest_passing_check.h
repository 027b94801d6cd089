#pragma once
// An independent check of a nearest passing colour: a plain scan of every lightness along the
// colour's OKLCh hue in fine steps. Whatever the colours, a suggestion must pass, and no scanned
// lightness nearer to the colour's own may pass.

#include "notations/contrast.h"
#include "notations/contrast_suggestion.h"
#include "notations/css_space.h"
#include "notations/gamut_mapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace pelmora::test {

inline Triple OklchOf(Color color) { return ConvertColor(EncodedOf(color), CssSpace::Srgb, CssSpace::Oklch); }

inline bool Reaches(Color color, Color background, double minimum)
{
    return ContrastOf(color, background).ratio >= minimum;
}

// Every lightness in fine steps, the same hue and chroma, the nearest that passes after rounding.
inline std::optional<double> ScannedNearestChange(Color color, Color background, double minimum, int steps)
{
    const Triple start = OklchOf(color);
    const double hue = std::isnan(start.c) ? 0.0 : start.c;
    std::optional<double> nearest;
    for (int i = 0; i <= steps; ++i) {
        const double lightness = static_cast<double>(i) / steps;
        const Color candidate = ToSrgbColor({lightness, start.b, hue}, CssSpace::Oklch).color;
        const double change = std::abs(lightness - start.a);
        if (Reaches(candidate, background, minimum) && (!nearest || change < *nearest))
            nearest = change;
    }
    return nearest;
}

// What every answer must satisfy, whatever the colours.
inline void ExpectAgreesWithScan(Color color, Color background, double minimum, int steps)
{
    const ContrastSuggestion suggestion = NearestPassingColor(color, background, minimum);
    const std::optional<double> scanned = ScannedNearestChange(color, background, minimum, steps);
    const std::string pair = testing::PrintToString(color) + " on " + testing::PrintToString(background) + " at "
        + std::to_string(minimum);
    switch (suggestion.outcome) {
    case ContrastSuggestion::Outcome::AlreadyPasses:
        EXPECT_TRUE(Reaches(color, background, minimum)) << pair;
        EXPECT_EQ(suggestion.color, color) << pair;
        break;
    case ContrastSuggestion::Outcome::Unreachable:
        EXPECT_FALSE(scanned) << pair;
        EXPECT_FALSE(Reaches(Color::black(), background, minimum)) << pair;
        EXPECT_FALSE(Reaches(Color::white(), background, minimum)) << pair;
        break;
    case ContrastSuggestion::Outcome::Found: {
        EXPECT_FALSE(Reaches(color, background, minimum)) << pair;
        EXPECT_TRUE(Reaches(suggestion.color, background, minimum)) << pair;
        ASSERT_TRUE(scanned) << pair;
        const double change = std::abs(suggestion.lightness - OklchOf(color).a);
        // No scanned lightness nearer than the suggestion's passes, and the suggestion is no further
        // than the nearest scanned one that does.
        EXPECT_GE(*scanned, change - 1e-9) << pair;
        EXPECT_LE(change, *scanned + 1.0 / steps) << pair;
        break;
    }
    }
}

} // namespace pelmora::test
