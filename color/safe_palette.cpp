#include "color/safe_palette.h"

#include "color/code_formats.h"

namespace pelmora {
namespace {

Channels SafeChannels(int index)
{
    const int m = index - 1;
    return Channels{static_cast<std::int16_t>(51 * (m / 36)), static_cast<std::int16_t>(51 * ((m / 6) % 6)),
                    static_cast<std::int16_t>(51 * (m % 6))};
}

} // namespace

Color SafePaletteColor(int cell)
{
    if (cell < 1 || cell > kSafeColorCount)
        return Color::black();
    const Channels c = SafeChannels(cell);
    return RGB(c.r, c.g, c.b);
}

std::optional<SafeColor> SafeColorAt(int index)
{
    if (index < 1 || index > kSafeColorCount)
        return std::nullopt;
    const Channels c = SafeChannels(index);
    return SafeColor{c, GetHexVal(c.r, c.g, c.b), RGB(c.r, c.g, c.b)};
}

} // namespace pelmora
