#pragma once
// The colour a value shows as when something is painted with it: a system colour code shows its
// element's current colour; a value that is neither shows black.

#include "color/color.h"
#include "color/system_colors.h"

namespace pelmora {

inline Color ShownColor(Color color, const SystemColors& systemColors)
{
    if (color.isRgb())
        return color;
    const int element = color.value() & 0xFF;
    if (color.isSystemCode() && (color.value() & 0x7FFFFF00) == 0 && element < kSysColorCount)
        return systemColors.GetSysColor(element);
    return Color::black();
}

} // namespace pelmora
