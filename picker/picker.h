#pragma once
// The picker's drawing routines over the window surface, with the picker state they read.

#include "color/color.h"
#include "color/system_colors.h"
#include "picker/geometry.h"
#include "picker/surface.h"

#include <cstdint>

namespace pelmora {

// The row the slider marker is drawn at: the nearest integer, halves to even (137.5 -> 138).
std::int16_t SliderMarkerRow(float sliderMarkerY);

class Picker {
public:
    Picker(Surface& surface, const SystemColors& colors) : surface_(surface), colors_(colors) {}

    Surface& surface() { return surface_; }

    // Picker state, owned by the main window and read here.
    int MarkerX = FieldRight;  // centre of the field marker
    int MarkerY = FieldTop;
    float SliderMarkerY = static_cast<float>(SliderBottom);
    std::int16_t SelectedCell = 1;  // highlighted grid cell
    std::int32_t PresetKind = 0;    // 0 picker, 1 custom colours grid, 4 safe palette grid

    // Hue-mode slider, then the slider frame.
    void DrawHueStrip();
    // Fields: each erases the field marker, paints, draws the field frame and the marker again.
    void DrawFieldHue(int r, int g, int b);
    void DrawFieldSat();
    void DrawFieldBri();
    // Saturation- and Brightness-mode sliders for the colour under the field marker, then the frame.
    void DrawSliderSat(int r, int g, int b);
    void DrawSliderBri(int r, int g, int b);

    // Markers toggle: drawing one again at the same place erases it.
    void DrawPicker();
    void DrawSliderMarker(std::int16_t y);
    void DrawSelFrame();
    void DrawMainFrame();

    // Grids.
    void DrawSafePalette();
    void DrawSafePicker(int index, bool erase);
    void PaintCell(int n, Color color);

private:
    template <typename PixelsOfRows>
    void DrawSlider(PixelsOfRows pixelsOfRows);

    Surface& surface_;
    const SystemColors& colors_;
};

} // namespace pelmora
