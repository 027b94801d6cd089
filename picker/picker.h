#pragma once
// The picker's drawing routines over the window surface, with the picker state they read.

#include "color/channels.h"
#include "color/color.h"
#include "color/system_colors.h"
#include "picker/geometry.h"
#include "picker/surface.h"

#include <cstdint>

namespace pelmora {

// The row the slider marker is drawn at: the nearest integer, halves to even (137.5 -> 138).
std::int16_t SliderMarkerRow(float sliderMarkerY);

// What the field and the slider show and where both markers are: enough to paint the picker again
// exactly as it was, as undo needs.
struct PickerPicture {
    enum class Field { Hue, Saturation, Brightness };
    enum class Slider { HueStrip, Saturation, Brightness };
    Field field = Field::Hue;
    Channels fieldHue{255, 0, 0}; // the hue a Hue-mode field was painted for
    Slider slider = Slider::HueStrip;
    Channels sliderColor{}; // the colour a Saturation- or Brightness-mode slider was painted for
    int markerX = FieldRight;
    int markerY = FieldTop;
    float sliderMarkerY = static_cast<float>(SliderBottom);
    friend bool operator==(const PickerPicture&, const PickerPicture&) = default;
};

class Picker {
public:
    Picker(Surface& surface, const SystemColors& colors)
        : surface_(surface)
        , colors_(colors)
    {
    }

    Surface& surface() { return surface_; }

    // Centre of the field marker, at first the field's top-right corner.
    int markerX() const { return picture_.markerX; }
    int markerY() const { return picture_.markerY; }
    // Row of the slider marker with its fraction; drawn at SliderMarkerRow of it.
    float sliderMarkerY() const { return picture_.sliderMarkerY; }
    // The highlighted grid cell, shared by both grids.
    int selectedCell() const { return selectedCell_; }
    const PickerPicture& picture() const { return picture_; }
    // Paints the slider, the field and both markers as `picture` says onto a cleared picker area.
    void PaintAgain(const PickerPicture& picture);

    // Take the field marker off at its old place and draw it at the new one.
    void MoveFieldMarker(int x, int y);
    // Take the slider marker off at its old row and draw it at the new one.
    void MoveSliderMarker(float y);
    // Take the highlight off the selected cell and draw it around `cell`, which becomes selected.
    void MoveCellHighlight(int cell);
    // Only record where the field marker is, drawing nothing: for a marker that is not on the
    // surface, such as one a clear removed.
    void setFieldMarker(int x, int y);
    // Only record the selected cell, drawing nothing.
    void setSelectedCell(int cell) { selectedCell_ = static_cast<std::int16_t>(cell); }
    // Only record the picture, drawing nothing: for a picker that a grid hides.
    void setPicture(const PickerPicture& picture) { picture_ = picture; }

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
    void ToggleFieldMarker();
    void DrawSliderMarker(std::int16_t y);
    // The sunken frames around the field and the slider; each refreshes the surface.
    void DrawFieldFrame();
    void DrawSliderFrame();

    // Grids: the safe palette with the selected cell's highlight, the highlight around one cell and
    // its erasure, and one cell painted in a colour.
    void DrawSafePalette();
    void DrawCellHighlight(int cell);
    void EraseCellHighlight(int cell);
    void PaintCell(int n, Color color);

private:
    template <typename PixelsOfRows> void DrawSlider(PixelsOfRows pixelsOfRows);

    Surface& surface_;
    const SystemColors& colors_;
    PickerPicture picture_;
    std::int16_t selectedCell_ = 1;
};

} // namespace pelmora
