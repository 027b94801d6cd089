#include "picker/picker.h"

#include "color/rounding.h"
#include "color/safe_palette.h"
#include "picker/field_pictures.h"
#include "picker/picker_bitmap.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace pelmora {

namespace {

constexpr int kMarkerRadius = 5;

// The field frame's rectangle reaches one column and one row past the field's last painted ones
// (+3, not +2): column and row 266 stay as they were.
constexpr Rect kFieldFrame = {FieldLeft - 1, FieldTop - 1, FieldRight + 3, FieldBottom + 3};
constexpr Rect kSliderFrame = {SliderLeft - 1, SliderTop - 1, SliderRight + 1, SliderBottom + 3};

Channels Channels16(int r, int g, int b)
{
    return {static_cast<std::int16_t>(r), static_cast<std::int16_t>(g), static_cast<std::int16_t>(b)};
}

} // namespace

std::int16_t SliderMarkerRow(float sliderMarkerY) { return EvenNearest16(static_cast<double>(sliderMarkerY)); }

void Picker::DrawHueStrip()
{
    const PickerBitmap strip = MakeHueStripPicture();
    // Stored row k is strip row k, so the bottom-up picture goes on mirrored top to bottom.
    surface_.PutPicture(strip, SliderLeft, SliderTop, Mirror::TopBottom);
    DrawSliderFrame();
    picture_.slider = PickerPicture::Slider::HueStrip;
}

void Picker::DrawFieldHue(int r, int g, int b)
{
    ToggleFieldMarker();
    // The same pixels MakeFieldHuePicture stores, written straight into the surface rows.
    surface_.PaintRows(FieldLeft, FieldTop, FieldSize, FieldSize,
        [&](int y, std::uint32_t* row) { FieldHuePixelRow(r, g, b, y, row); });
    DrawFieldFrame();
    ToggleFieldMarker();
    picture_.field = PickerPicture::Field::Hue;
    picture_.fieldHue = Channels16(r, g, b);
}

void Picker::DrawFieldSat()
{
    ToggleFieldMarker();
    surface_.PutPixels(FieldSatPixels(), FieldSize, FieldSize, FieldLeft, FieldTop);
    DrawFieldFrame();
    ToggleFieldMarker();
    picture_.field = PickerPicture::Field::Saturation;
}

void Picker::DrawFieldBri()
{
    ToggleFieldMarker();
    surface_.PutPixels(FieldBriPixels(), FieldSize, FieldSize, FieldLeft, FieldTop);
    DrawFieldFrame();
    ToggleFieldMarker();
    picture_.field = PickerPicture::Field::Brightness;
}

template <typename PixelsOfRows> void Picker::DrawSlider(PixelsOfRows pixelsOfRows)
{
    std::array<std::uint32_t, SliderHeight> pixels;
    pixelsOfRows(pixels.data());
    // 256 one-colour lines of the fixed slider width, written as rows of the surface.
    surface_.PaintRows(SliderLeft, SliderTop, SliderWidth, SliderHeight, [&](int k, std::uint32_t* row) {
        // Four 16-byte stores, the last overlapping the third, instead of fifteen single ones.
        const std::uint32_t pixel = pixels[static_cast<std::size_t>(k)];
        const std::uint32_t quad[4] = {pixel, pixel, pixel, pixel};
        static_assert(SliderWidth == 15);
        for (int x : {0, 4, 8, SliderWidth - 4})
            std::memcpy(row + x, quad, sizeof quad);
    });
    DrawSliderFrame();
}

void Picker::DrawSliderSat(int r, int g, int b)
{
    DrawSlider([&](std::uint32_t* pixels) { SliderSatPixels(r, g, b, pixels); });
    picture_.slider = PickerPicture::Slider::Saturation;
    picture_.sliderColor = Channels16(r, g, b);
}

void Picker::DrawSliderBri(int r, int g, int b)
{
    DrawSlider([&](std::uint32_t* pixels) { SliderBriPixels(r, g, b, pixels); });
    picture_.slider = PickerPicture::Slider::Brightness;
    picture_.sliderColor = Channels16(r, g, b);
}

void Picker::ToggleFieldMarker() { surface_.InvertCircle(picture_.markerX, picture_.markerY, kMarkerRadius); }

void Picker::DrawSliderMarker(std::int16_t y)
{
    // Two bars clear of the slider's columns 277 .. 291 and its frame lines 276 and 292.
    surface_.InvertBar(SliderRight + 2, SliderRight + 5, y);
    surface_.InvertBar(SliderLeft - 2, SliderLeft - 5, y);
}

void Picker::DrawFieldFrame()
{
    surface_.Bevel(kFieldFrame, BevelStyle::SunkenInner, colors_);
    surface_.Refresh();
}

void Picker::DrawSliderFrame()
{
    surface_.Bevel(kSliderFrame, BevelStyle::SunkenInner, colors_);
    surface_.Refresh();
}

void Picker::PaintCell(int n, Color color)
{
    const Rect cell = CellRect(n);
    surface_.FilledRectangle(cell.left, cell.top, cell.right, cell.bottom, Color::black(), color);
}

void Picker::DrawSafePalette()
{
    for (int n = 1; n <= CellCount; ++n)
        PaintCell(n, SafePaletteColor(n));
    DrawCellHighlight(selectedCell_);
}

void Picker::DrawCellHighlight(int cell)
{
    if (cell < 1 || cell > CellCount)
        return;
    const Rect r = CellRect(cell);
    surface_.Bevel({r.left - 3, r.top - 3, r.right + 3, r.bottom + 3}, BevelStyle::SunkenSoft, colors_);
}

// Paints the band the highlight covers in the background colour; the cell itself is left alone.
void Picker::EraseCellHighlight(int cell)
{
    if (cell < 1 || cell > CellCount)
        return;
    const Rect r = CellRect(cell);
    surface_.HollowWideRectangle(r.left - 2, r.top - 2, r.right + 2, r.bottom + 2, surface_.background());
}

void Picker::setFieldMarker(int x, int y)
{
    picture_.markerX = x;
    picture_.markerY = y;
}

void Picker::MoveFieldMarker(int x, int y)
{
    ToggleFieldMarker();
    setFieldMarker(x, y);
    ToggleFieldMarker();
}

void Picker::MoveSliderMarker(float y)
{
    DrawSliderMarker(SliderMarkerRow(picture_.sliderMarkerY));
    picture_.sliderMarkerY = y;
    DrawSliderMarker(SliderMarkerRow(picture_.sliderMarkerY));
}

// The order of a fresh picture: the marker drawn first is taken off and put back by the field's
// painting, as on every repaint, so that where it reaches past the field it inverts the pixels
// there exactly once.
void Picker::PaintAgain(const PickerPicture& picture)
{
    picture_.markerX = picture.markerX;
    picture_.markerY = picture.markerY;
    picture_.sliderMarkerY = picture.sliderMarkerY;
    const Channels& slider = picture.sliderColor;
    switch (picture.slider) {
    case PickerPicture::Slider::HueStrip:
        DrawHueStrip();
        break;
    case PickerPicture::Slider::Saturation:
        DrawSliderSat(slider.r, slider.g, slider.b);
        break;
    case PickerPicture::Slider::Brightness:
        DrawSliderBri(slider.r, slider.g, slider.b);
        break;
    }
    ToggleFieldMarker();
    switch (picture.field) {
    case PickerPicture::Field::Hue:
        DrawFieldHue(picture.fieldHue.r, picture.fieldHue.g, picture.fieldHue.b);
        break;
    case PickerPicture::Field::Saturation:
        DrawFieldSat();
        break;
    case PickerPicture::Field::Brightness:
        DrawFieldBri();
        break;
    }
    DrawSliderMarker(SliderMarkerRow(picture_.sliderMarkerY));
}

void Picker::MoveCellHighlight(int cell)
{
    EraseCellHighlight(selectedCell_);
    DrawCellHighlight(cell);
    setSelectedCell(cell);
}

} // namespace pelmora
