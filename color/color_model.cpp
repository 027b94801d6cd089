#include "color/color_model.h"

#include "color/safe_palette.h"

#include <utility>

namespace pelmora {

ColorModel::ColorModel(const SystemColors& systemColors)
    : systemColors_(&systemColors)
{
}

void ColorModel::setSystemColors(const SystemColors& systemColors) { systemColors_ = &systemColors; }

Channels ColorModel::SplitColor(Color color)
{
    current_ = color;
    const Channels channels = SplitChannels(color);
    UpdateColorCodes();
    return channels;
}

void ColorModel::UpdateColorCodes()
{
    WriteColorCodes(current_, *systemColors_, codes_);
    if (listener_)
        listener_(codes_);
}

Color ColorModel::GetSafeColor(int index, Channels& rgb, std::string& hex)
{
    auto safe = SafeColorAt(index);
    if (!safe)
        return Color::black();
    rgb = safe->channels;
    hex = std::move(safe->hex);
    current_ = safe->color;
    UpdateColorCodes();
    return safe->color;
}

void ColorModel::setCodesListener(std::function<void(const ColorCodes&)> listener) { listener_ = std::move(listener); }

} // namespace pelmora
