#pragma once
// The 25 system colours of the desktop's display elements, in the platform's element order.
// The core asks them through this small interface: tests and the command line use the fixed
// default table, the desktop program one filled from the desktop's palette.

#include "color/color.h"

#include <array>
#include <string_view>

namespace pelmora {

enum class SysColor : int {
    ScrollBars = 0,
    Desktop = 1,
    ActiveTitleBar = 2,
    InactiveTitleBar = 3,
    MenuBar = 4,
    WindowBackground = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    TitleBarText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    ApplicationWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    Highlight3D = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
};

inline constexpr int kSysColorCount = 25;

// Names shown for system colours 0..24 (entry 15 is "vbButtonFace").
extern const std::array<std::string_view, kSysColorCount> SysColorNames;

class SystemColors {
public:
    virtual ~SystemColors() = default;
    // The current RGB colour of display element `index` (0..24); black for any other index.
    virtual Color GetSysColor(int index) const = 0;
    Color GetSysColor(SysColor element) const { return GetSysColor(static_cast<int>(element)); }
};

// A fixed table: a light grey desktop theme. Used by the tests and the command line.
class DefaultSystemColors final : public SystemColors {
public:
    Color GetSysColor(int index) const override;
    using SystemColors::GetSysColor;
    static const std::array<Color, kSysColorCount>& table();
};

// A table the caller fills (the desktop program fills it from the desktop's palette).
class TableSystemColors final : public SystemColors {
public:
    explicit TableSystemColors(const std::array<Color, kSysColorCount>& table)
        : table_(table)
    {
    }
    Color GetSysColor(int index) const override;
    using SystemColors::GetSysColor;

private:
    std::array<Color, kSysColorCount> table_;
};

} // namespace pelmora
