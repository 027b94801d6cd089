#include "notations/css_function_names.h"

#include "notations/folded_name.h"

namespace pelmora {

CssFunction CssFunctionNamed(std::string_view name)
{
    switch (FoldedNameKey(name)) {
    case FoldedNameKey("rgb"):
        return CssFunction::Rgb;
    case FoldedNameKey("rgba"):
        return CssFunction::Rgba;
    case FoldedNameKey("hsl"):
        return CssFunction::Hsl;
    case FoldedNameKey("hsla"):
        return CssFunction::Hsla;
    case FoldedNameKey("hwb"):
        return CssFunction::Hwb;
    case FoldedNameKey("lab"):
        return CssFunction::Lab;
    case FoldedNameKey("lch"):
        return CssFunction::Lch;
    case FoldedNameKey("oklab"):
        return CssFunction::Oklab;
    case FoldedNameKey("oklch"):
        return CssFunction::Oklch;
    case FoldedNameKey("color"):
        return CssFunction::Color;
    case FoldedNameKey("var"):
        return CssFunction::Var;
    case FoldedNameKey("attr"):
        return CssFunction::Attr;
    case FoldedNameKey("env"):
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

} // namespace pelmora
