#pragma once
// The names of the functions a CSS colour is written with, looked up once per call: the reader
// asks which function a name is at every level of a nested colour.

#include "color/ascii_case.h"
#include "notations/folded_name.h"

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

// The function `name` stands for, compared without case; Unknown for any other word. Inline: every
// function of a text, and every level of a nested one, is looked up.
inline CssFunction CssFunctionNamed(std::string_view name)
{
    switch (FoldedNameKey(name)) {
    case LetterNameKey("rgb"):
        return CssFunction::Rgb;
    case LetterNameKey("rgba"):
        return CssFunction::Rgba;
    case LetterNameKey("hsl"):
        return CssFunction::Hsl;
    case LetterNameKey("hsla"):
        return CssFunction::Hsla;
    case LetterNameKey("hwb"):
        return CssFunction::Hwb;
    case LetterNameKey("lab"):
        return CssFunction::Lab;
    case LetterNameKey("lch"):
        return CssFunction::Lch;
    case LetterNameKey("oklab"):
        return CssFunction::Oklab;
    case LetterNameKey("oklch"):
        return CssFunction::Oklch;
    case LetterNameKey("color"):
        return CssFunction::Color;
    case LetterNameKey("var"):
        return CssFunction::Var;
    case LetterNameKey("attr"):
        return CssFunction::Attr;
    case LetterNameKey("env"):
        return CssFunction::Env;
    default:
        break;
    }
    // The two longer names differ in length.
    if (EqualsIgnoringCase(name, "color-mix"))
        return CssFunction::ColorMix;
    if (EqualsIgnoringCase(name, "light-dark"))
        return CssFunction::LightDark;
    return CssFunction::Unknown;
}

// rgb() to color(): the functions of three components and an alpha.
constexpr bool HasComponents(CssFunction function) { return function <= CssFunction::Color; }

} // namespace pelmora
