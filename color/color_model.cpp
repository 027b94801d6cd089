#include "color/color_model.h"

#include <utility>

namespace pelmora {

ColorModel::ColorModel(const SystemColors& systemColors)
    : systemColors_(&systemColors)
{
}

void ColorModel::setSystemColors(const SystemColors& systemColors) { systemColors_ = &systemColors; }

void ColorModel::MakeCurrent(Color color)
{
    current_ = color;
    UpdateColorCodes();
}

void ColorModel::UpdateColorCodes()
{
    if (!current_)
        return; // the initial texts describe no colour and stay until one is chosen
    WriteColorCodes(*current_, *systemColors_, codes_);
    if (listener_)
        listener_(codes_);
}

void ColorModel::Restore(const std::optional<Color>& chosen)
{
    if (chosen) {
        MakeCurrent(*chosen);
        return;
    }
    current_.reset();
    codes_ = InitialColorCodes();
    if (listener_)
        listener_(codes_);
}

void ColorModel::setCodesListener(std::function<void(const ColorCodes&)> listener) { listener_ = std::move(listener); }

} // namespace pelmora
