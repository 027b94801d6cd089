#pragma once
// The 148 colour names of CSS, for naming exported colours that have an exact name.

#include "color/color.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

struct CssNamedColor {
    std::string_view name;
    std::uint32_t rgb; // 0xRRGGBB
};

inline constexpr std::size_t kCssColorNameCount = 148;
extern const std::array<CssNamedColor, kCssColorNameCount> kCssNamedColors;

// The CSS name of an RGB colour that has one exactly; of synonyms the alphabetically first.
// Fits ColorNamer.
std::optional<std::string> CssColorName(Color color);

} // namespace pelmora
