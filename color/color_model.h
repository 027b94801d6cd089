#pragma once
// The one piece of shared colour state: the current colour and the code texts describing it.

#include "color/channels.h"
#include "color/code_formats.h"
#include "color/color.h"
#include "color/system_colors.h"

#include <functional>
#include <string>

namespace pelmora {

class ColorModel {
public:
    // `systemColors` is kept by reference and must outlive the model (or be replaced first).
    explicit ColorModel(const SystemColors& systemColors);

    void setSystemColors(const SystemColors& systemColors);

    // Makes `color` current, refreshes the codes and returns its channels.
    Channels SplitColor(Color color);
    // Rewrites every code text from the current colour and the current system colours.
    void UpdateColorCodes();

    Color CurrentColor() const { return current_; }
    // Changes the current colour without refreshing the codes (the caller refreshes later).
    void SetCurrentColor(Color color) { current_ = color; }
    const ColorCodes& codes() const { return codes_; }

    // Safe colour `index` (1..216): sets rgb and hex, makes it current, refreshes the codes and
    // returns it. Any other index returns black (0) and changes nothing, not even the outs.
    Color GetSafeColor(int index, Channels& rgb, std::string& hex);

    // Called after every refresh of the codes.
    void setCodesListener(std::function<void(const ColorCodes&)> listener);

private:
    const SystemColors* systemColors_;
    Color current_ = Color::black();
    ColorCodes codes_ = InitialColorCodes();
    std::function<void(const ColorCodes&)> listener_;
};

} // namespace pelmora
