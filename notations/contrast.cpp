#include "notations/contrast.h"

#include "notations/decimal_text.h"

#include <algorithm>
#include <cmath>

namespace pelmora {
namespace {

double ChannelLuminance(int byte)
{
    const double c = byte / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(Color color)
{
    return 0.2126 * ChannelLuminance(color.red()) + 0.7152 * ChannelLuminance(color.green())
        + 0.0722 * ChannelLuminance(color.blue());
}

Contrast ContrastOf(Color first, Color second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    Contrast contrast;
    contrast.ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    for (std::size_t i = 0; i < kContrastLevels.size(); ++i)
        contrast.passes[i] = contrast.ratio >= kContrastLevels[i].minimum;
    return contrast;
}

std::string Contrast::ratioText() const
{
    auto hundredths = static_cast<std::int64_t>(std::nearbyint(ratio * 100));
    for (const ContrastLevel& level : kContrastLevels) {
        const auto levelHundredths = static_cast<std::int64_t>(std::nearbyint(level.minimum * 100));
        if (ratio < level.minimum && hundredths >= levelHundredths)
            hundredths = std::min(static_cast<std::int64_t>(std::floor(ratio * 100)), levelHundredths - 1);
    }
    std::string text;
    AppendScaled(text, hundredths, 2);
    text += ":1";
    return text;
}

std::string Contrast::levelsText() const
{
    std::string text;
    for (std::size_t i = 0; i < kContrastLevels.size(); ++i) {
        if (!passes[i])
            continue;
        if (!text.empty())
            text += ' ';
        text += kContrastLevels[i].name;
    }
    return text.empty() ? "none" : text;
}

} // namespace pelmora
