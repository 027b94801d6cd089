#pragma once
// A picker over a fresh surface with the fixed desktop colours, for the picker tests.

#include "color/system_colors.h"
#include "picker/picker.h"
#include "picker/surface.h"

#include <string>

namespace pelmora::testing {

inline constexpr Color kTestBackground = RGB(12, 34, 56);

struct PickerBench {
    Surface surface;
    DefaultSystemColors colors;
    Picker picker{surface, colors};

    PickerBench()
    {
        surface.setBackground(kTestBackground);
        surface.Clear();
    }
    // Puts the field marker where no field pixel is under it, for whole-field comparisons.
    void parkFieldMarker() { picker.setFieldMarker(-100, -100); }
    Color at(int x, int y) const { return surface.ReadPixel(x, y); }
    Color sys(SysColor element) const { return static_cast<const SystemColors&>(colors).GetSysColor(element); }
};

inline std::string Where(int x, int y) { return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

} // namespace pelmora::testing
