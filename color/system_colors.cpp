#include "color/system_colors.h"

namespace pelmora {

const std::array<std::string_view, kSysColorCount> SysColorNames = {
    "vbScrollBars",
    "vbDesktop",
    "vbActiveTitleBar",
    "vbInactiveTitleBar",
    "vbMenuBar",
    "vbWindowBackground",
    "vbWindowFrame",
    "vbMenuText",
    "vbWindowText",
    "vbTitleBarText",
    "vbActiveBorder",
    "vbInactiveBorder",
    "vbApplicationWorkspace",
    "vbHighlight",
    "vbHighlightText",
    "vbButtonFace",
    "vbButtonShadow",
    "vbGrayText",
    "vbButtonText",
    "vbInactiveCaptionText",
    "vb3DHighlight",
    "vb3DDKShadow",
    "vb3DLight",
    "vbInfoText",
    "vbInfoBackground",
};

const std::array<Color, kSysColorCount>& DefaultSystemColors::table()
{
    // A neutral light theme close to Qt's own default palette, so the command line and the
    // desktop program describe the same colours on an unthemed desktop.
    static const std::array<Color, kSysColorCount> colors = {
        RGB(239, 239, 239), // scroll bars
        RGB(48, 96, 144), // desktop
        RGB(48, 140, 198), // active title bar
        RGB(191, 191, 191), // inactive title bar
        RGB(239, 239, 239), // menu bar
        RGB(255, 255, 255), // window background
        RGB(118, 118, 118), // window frame
        RGB(0, 0, 0), // menu text
        RGB(0, 0, 0), // window text
        RGB(255, 255, 255), // title bar text
        RGB(239, 239, 239), // active border
        RGB(239, 239, 239), // inactive border
        RGB(184, 184, 184), // application workspace
        RGB(48, 140, 198), // highlight
        RGB(255, 255, 255), // highlight text
        RGB(239, 239, 239), // button face
        RGB(159, 159, 159), // button shadow
        RGB(190, 190, 190), // grey text
        RGB(0, 0, 0), // button text
        RGB(127, 127, 127), // inactive caption text
        RGB(255, 255, 255), // 3D highlight
        RGB(118, 118, 118), // 3D dark shadow
        RGB(202, 202, 202), // 3D light
        RGB(0, 0, 0), // info text
        RGB(255, 255, 220), // info background
    };
    return colors;
}

Color DefaultSystemColors::GetSysColor(int index) const
{
    return (index >= 0 && index < kSysColorCount) ? table()[static_cast<std::size_t>(index)] : Color::black();
}

Color TableSystemColors::GetSysColor(int index) const
{
    return (index >= 0 && index < kSysColorCount) ? table_[static_cast<std::size_t>(index)] : Color::black();
}

} // namespace pelmora
