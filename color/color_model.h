#pragma once
// The one piece of shared colour state: the current colour and the code texts describing it.

#include "color/channels.h"
#include "color/code_formats.h"
#include "color/color.h"
#include "color/system_colors.h"

#include <functional>
#include <optional>

namespace pelmora {

class ColorModel {
public:
    // `systemColors` is kept by reference and must outlive the model (or be replaced first).
    explicit ColorModel(const SystemColors& systemColors);

    void setSystemColors(const SystemColors& systemColors);

    // Makes `color` the colour every code text describes and rewrites them. Splitting a colour into
    // its channels is SplitChannels; it changes nothing here.
    void MakeCurrent(Color color);
    // Rewrites every code text from the current colour and the current system colours (none before
    // the first MakeCurrent).
    void UpdateColorCodes();
    // Makes `chosen` current again, as undo does; none brings back the initial texts of a window
    // where nothing was chosen yet.
    void Restore(const std::optional<Color>& chosen);

    // Black until the first MakeCurrent, while the codes still hold their initial texts.
    Color CurrentColor() const { return current_.value_or(Color::black()); }
    // The colour the codes describe; none while they hold their initial texts.
    const std::optional<Color>& ChosenColor() const { return current_; }
    const ColorCodes& codes() const { return codes_; }

    // Called after every refresh of the codes.
    void setCodesListener(std::function<void(const ColorCodes&)> listener);

private:
    const SystemColors* systemColors_;
    std::optional<Color> current_;
    ColorCodes codes_ = InitialColorCodes();
    std::function<void(const ColorCodes&)> listener_;
};

} // namespace pelmora
