#include "controller/color_readout.h"

#include "outputs/output_panel.h"

#include <algorithm>

namespace pelmora {
namespace {

// The readout's box beside the slider.
constexpr int kReadoutLeft = SliderRight + 20;
constexpr int kReadoutTop = 80;
constexpr int kReadoutWidth = 80;
constexpr int kReadoutHeight = 50;

} // namespace

void DrawColorReadout(Surface& surface, Channels rgb, const std::string& hex)
{
    const Color background = surface.background();
    // Both corners of the box are inside it. A line can be wider than the box ("Hex: #FFFFFF" in a
    // bold font, a system colour's longer hex text), and nothing else is drawn to the right of the
    // box: the erase runs to the surface's right edge, so no earlier text is left behind there.
    static_assert(kReadoutLeft + kReadoutWidth < ClientWidth);
    surface.FilledRectangle(kReadoutLeft, kReadoutTop, std::max(kReadoutLeft + kReadoutWidth + 1, surface.width()),
        kReadoutTop + kReadoutHeight + 1, background, background);
    // Four lines share the box's 50 rows, so a line advances at most a quarter of it: the next
    // erase then covers every row the text touched.
    int y = kReadoutTop;
    for (const std::string& line : ReadoutLines(rgb, hex))
        y += std::min(surface.DrawTextLine(kReadoutLeft, y, line, Color::black()), kReadoutHeight / 4);
    surface.Refresh();
}

} // namespace pelmora
