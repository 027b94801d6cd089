#include "color/safe_palette.h"

#include "color/code_formats.h"

namespace pelmora {

std::optional<SafeColor> SafeColorAt(int index)
{
    if (index < 1 || index > kSafeColorCount)
        return std::nullopt;
    const Channels c = SafeChannels(index);
    return SafeColor{c, GetHexVal(c.r, c.g, c.b), RGB(c.r, c.g, c.b)};
}

} // namespace pelmora
