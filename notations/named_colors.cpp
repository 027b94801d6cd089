#include "notations/named_colors.h"

#include "notations/color_spaces.h"
#include "notations/gamut_mapping.h"
#include "notations/text_scanner.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace pelmora {
namespace {

constexpr Color Hex(std::uint32_t rrggbb)
{
    return RGB(static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 0xFF), static_cast<int>(rrggbb & 0xFF));
}

constexpr std::array<NamedColor, 148> kNamedColors = {{
    {"aliceblue", Hex(0xF0F8FF)},
    {"antiquewhite", Hex(0xFAEBD7)},
    {"aqua", Hex(0x00FFFF)},
    {"aquamarine", Hex(0x7FFFD4)},
    {"azure", Hex(0xF0FFFF)},
    {"beige", Hex(0xF5F5DC)},
    {"bisque", Hex(0xFFE4C4)},
    {"black", Hex(0x000000)},
    {"blanchedalmond", Hex(0xFFEBCD)},
    {"blue", Hex(0x0000FF)},
    {"blueviolet", Hex(0x8A2BE2)},
    {"brown", Hex(0xA52A2A)},
    {"burlywood", Hex(0xDEB887)},
    {"cadetblue", Hex(0x5F9EA0)},
    {"chartreuse", Hex(0x7FFF00)},
    {"chocolate", Hex(0xD2691E)},
    {"coral", Hex(0xFF7F50)},
    {"cornflowerblue", Hex(0x6495ED)},
    {"cornsilk", Hex(0xFFF8DC)},
    {"crimson", Hex(0xDC143C)},
    {"cyan", Hex(0x00FFFF)},
    {"darkblue", Hex(0x00008B)},
    {"darkcyan", Hex(0x008B8B)},
    {"darkgoldenrod", Hex(0xB8860B)},
    {"darkgray", Hex(0xA9A9A9)},
    {"darkgreen", Hex(0x006400)},
    {"darkgrey", Hex(0xA9A9A9)},
    {"darkkhaki", Hex(0xBDB76B)},
    {"darkmagenta", Hex(0x8B008B)},
    {"darkolivegreen", Hex(0x556B2F)},
    {"darkorange", Hex(0xFF8C00)},
    {"darkorchid", Hex(0x9932CC)},
    {"darkred", Hex(0x8B0000)},
    {"darksalmon", Hex(0xE9967A)},
    {"darkseagreen", Hex(0x8FBC8F)},
    {"darkslateblue", Hex(0x483D8B)},
    {"darkslategray", Hex(0x2F4F4F)},
    {"darkslategrey", Hex(0x2F4F4F)},
    {"darkturquoise", Hex(0x00CED1)},
    {"darkviolet", Hex(0x9400D3)},
    {"deeppink", Hex(0xFF1493)},
    {"deepskyblue", Hex(0x00BFFF)},
    {"dimgray", Hex(0x696969)},
    {"dimgrey", Hex(0x696969)},
    {"dodgerblue", Hex(0x1E90FF)},
    {"firebrick", Hex(0xB22222)},
    {"floralwhite", Hex(0xFFFAF0)},
    {"forestgreen", Hex(0x228B22)},
    {"fuchsia", Hex(0xFF00FF)},
    {"gainsboro", Hex(0xDCDCDC)},
    {"ghostwhite", Hex(0xF8F8FF)},
    {"gold", Hex(0xFFD700)},
    {"goldenrod", Hex(0xDAA520)},
    {"gray", Hex(0x808080)},
    {"green", Hex(0x008000)},
    {"greenyellow", Hex(0xADFF2F)},
    {"grey", Hex(0x808080)},
    {"honeydew", Hex(0xF0FFF0)},
    {"hotpink", Hex(0xFF69B4)},
    {"indianred", Hex(0xCD5C5C)},
    {"indigo", Hex(0x4B0082)},
    {"ivory", Hex(0xFFFFF0)},
    {"khaki", Hex(0xF0E68C)},
    {"lavender", Hex(0xE6E6FA)},
    {"lavenderblush", Hex(0xFFF0F5)},
    {"lawngreen", Hex(0x7CFC00)},
    {"lemonchiffon", Hex(0xFFFACD)},
    {"lightblue", Hex(0xADD8E6)},
    {"lightcoral", Hex(0xF08080)},
    {"lightcyan", Hex(0xE0FFFF)},
    {"lightgoldenrodyellow", Hex(0xFAFAD2)},
    {"lightgray", Hex(0xD3D3D3)},
    {"lightgreen", Hex(0x90EE90)},
    {"lightgrey", Hex(0xD3D3D3)},
    {"lightpink", Hex(0xFFB6C1)},
    {"lightsalmon", Hex(0xFFA07A)},
    {"lightseagreen", Hex(0x20B2AA)},
    {"lightskyblue", Hex(0x87CEFA)},
    {"lightslategray", Hex(0x778899)},
    {"lightslategrey", Hex(0x778899)},
    {"lightsteelblue", Hex(0xB0C4DE)},
    {"lightyellow", Hex(0xFFFFE0)},
    {"lime", Hex(0x00FF00)},
    {"limegreen", Hex(0x32CD32)},
    {"linen", Hex(0xFAF0E6)},
    {"magenta", Hex(0xFF00FF)},
    {"maroon", Hex(0x800000)},
    {"mediumaquamarine", Hex(0x66CDAA)},
    {"mediumblue", Hex(0x0000CD)},
    {"mediumorchid", Hex(0xBA55D3)},
    {"mediumpurple", Hex(0x9370DB)},
    {"mediumseagreen", Hex(0x3CB371)},
    {"mediumslateblue", Hex(0x7B68EE)},
    {"mediumspringgreen", Hex(0x00FA9A)},
    {"mediumturquoise", Hex(0x48D1CC)},
    {"mediumvioletred", Hex(0xC71585)},
    {"midnightblue", Hex(0x191970)},
    {"mintcream", Hex(0xF5FFFA)},
    {"mistyrose", Hex(0xFFE4E1)},
    {"moccasin", Hex(0xFFE4B5)},
    {"navajowhite", Hex(0xFFDEAD)},
    {"navy", Hex(0x000080)},
    {"oldlace", Hex(0xFDF5E6)},
    {"olive", Hex(0x808000)},
    {"olivedrab", Hex(0x6B8E23)},
    {"orange", Hex(0xFFA500)},
    {"orangered", Hex(0xFF4500)},
    {"orchid", Hex(0xDA70D6)},
    {"palegoldenrod", Hex(0xEEE8AA)},
    {"palegreen", Hex(0x98FB98)},
    {"paleturquoise", Hex(0xAFEEEE)},
    {"palevioletred", Hex(0xDB7093)},
    {"papayawhip", Hex(0xFFEFD5)},
    {"peachpuff", Hex(0xFFDAB9)},
    {"peru", Hex(0xCD853F)},
    {"pink", Hex(0xFFC0CB)},
    {"plum", Hex(0xDDA0DD)},
    {"powderblue", Hex(0xB0E0E6)},
    {"purple", Hex(0x800080)},
    {"rebeccapurple", Hex(0x663399)},
    {"red", Hex(0xFF0000)},
    {"rosybrown", Hex(0xBC8F8F)},
    {"royalblue", Hex(0x4169E1)},
    {"saddlebrown", Hex(0x8B4513)},
    {"salmon", Hex(0xFA8072)},
    {"sandybrown", Hex(0xF4A460)},
    {"seagreen", Hex(0x2E8B57)},
    {"seashell", Hex(0xFFF5EE)},
    {"sienna", Hex(0xA0522D)},
    {"silver", Hex(0xC0C0C0)},
    {"skyblue", Hex(0x87CEEB)},
    {"slateblue", Hex(0x6A5ACD)},
    {"slategray", Hex(0x708090)},
    {"slategrey", Hex(0x708090)},
    {"snow", Hex(0xFFFAFA)},
    {"springgreen", Hex(0x00FF7F)},
    {"steelblue", Hex(0x4682B4)},
    {"tan", Hex(0xD2B48C)},
    {"teal", Hex(0x008080)},
    {"thistle", Hex(0xD8BFD8)},
    {"tomato", Hex(0xFF6347)},
    {"turquoise", Hex(0x40E0D0)},
    {"violet", Hex(0xEE82EE)},
    {"wheat", Hex(0xF5DEB3)},
    {"white", Hex(0xFFFFFF)},
    {"whitesmoke", Hex(0xF5F5F5)},
    {"yellow", Hex(0xFFFF00)},
    {"yellowgreen", Hex(0x9ACD32)},
}};

// The names again, by first letter and length: a word is compared only with the names of its
// first letter and length, of which there are rarely more than two (most words of a pasted
// sentence have none).
constexpr std::size_t kLongestName = 20;
constexpr std::size_t BucketOf(std::string_view name)
{
    return static_cast<std::size_t>(name.front() - 'a') * (kLongestName + 1) + name.size();
}
constexpr std::size_t kBuckets = 26 * (kLongestName + 1);
struct NamesByLength {
    std::array<std::uint8_t, kNamedColors.size()> order{}; // indices into kNamedColors
    std::array<std::uint8_t, kBuckets + 1> first{}; // where each bucket begins in `order`
};
constexpr NamesByLength kNamesByLength = [] {
    NamesByLength table;
    std::array<std::size_t, kBuckets + 1> counts{};
    for (const NamedColor& named : kNamedColors)
        ++counts[BucketOf(named.name) + 1];
    for (std::size_t b = 0; b < kBuckets; ++b)
        counts[b + 1] += counts[b];
    for (std::size_t b = 0; b <= kBuckets; ++b)
        table.first[b] = static_cast<std::uint8_t>(counts[b]);
    for (std::size_t i = 0; i < kNamedColors.size(); ++i)
        table.order[counts[BucketOf(kNamedColors[i].name)]++] = static_cast<std::uint8_t>(i);
    return table;
}();
static_assert(std::all_of(kNamedColors.begin(), kNamedColors.end(),
                  [](const NamedColor& named) {
                      return !named.name.empty() && named.name.size() <= kLongestName
                          && std::all_of(
                              named.name.begin(), named.name.end(), [](char c) { return c >= 'a' && c <= 'z'; });
                  }),
    "the names are written in lower case");

Triple OklabOf(Color color) { return XyzD65ToOklab(LinearSrgbToXyzD65(LinearOf(color))); }

struct NamedOklab {
    std::array<Triple, kNamedColors.size()> oklab{};
    NamedOklab()
    {
        for (std::size_t i = 0; i < kNamedColors.size(); ++i)
            oklab[i] = OklabOf(kNamedColors[i].color);
    }
};

} // namespace

std::span<const NamedColor> CssNamedColors() { return kNamedColors; }

std::optional<Color> CssColorOfName(std::string_view name)
{
    // Every word of a pasted sentence is looked up.
    if (name.empty())
        return std::nullopt;
    const char first = AsciiLower(name.front());
    if (first < 'a' || first > 'z')
        return std::nullopt;
    if (name.size() > kLongestName)
        return std::nullopt;
    const std::size_t bucket = static_cast<std::size_t>(first - 'a') * (kLongestName + 1) + name.size();
    for (std::size_t i = kNamesByLength.first[bucket]; i < kNamesByLength.first[bucket + 1]; ++i) {
        const NamedColor& named = kNamedColors[kNamesByLength.order[i]];
        std::size_t k = 1;
        while (k < name.size() && AsciiLower(name[k]) == named.name[k])
            ++k;
        if (k == name.size())
            return named.color;
    }
    return std::nullopt;
}

std::string NameMatch::text() const { return (exact ? "= " : "\u2248 ") + std::string(name); }

std::optional<std::string_view> CssNameOf(Color color)
{
    const Color rgb = RGB(color.red(), color.green(), color.blue());
    for (const NamedColor& named : kNamedColors)
        if (named.color == rgb)
            return named.name;
    return std::nullopt;
}

NameMatch NearestCssName(Color color)
{
    if (const auto name = CssNameOf(color))
        return {*name, true};
    const Color rgb = RGB(color.red(), color.green(), color.blue());
    static const NamedOklab table;
    const Triple target = OklabOf(rgb);
    double best = std::numeric_limits<double>::infinity();
    std::size_t bestIndex = 0;
    for (std::size_t i = 0; i < kNamedColors.size(); ++i) {
        const double distance = DeltaEOk(table.oklab[i], target);
        if (distance < best) {
            best = distance;
            bestIndex = i;
        }
    }
    return {kNamedColors[bestIndex].name, false, best};
}

} // namespace pelmora
