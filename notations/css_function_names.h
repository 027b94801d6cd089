#pragma once
// The names of the functions a CSS colour is written with, looked up once per call: the reader
// asks which function a name is at every level of a nested colour.

#include <cstdint>
#include <string_view>

namespace pelmora {

// The plain colour functions come first, in this order, for the quick reader's table.
enum class CssFunction : std::uint8_t {
    Rgb,
    Rgba,
    Hsl,
    Hsla,
    Hwb,
    Lab,
    Lch,
    Oklab,
    Oklch,
    Color,
    ColorMix,
    LightDark,
    Var,
    Attr,
    Env,
    Unknown,
};

// The function `name` stands for, compared without case; Unknown for any other word.
CssFunction CssFunctionNamed(std::string_view name);

// rgb() to color(): the functions of three components and an alpha.
constexpr bool HasComponents(CssFunction function) { return function <= CssFunction::Color; }

} // namespace pelmora
