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

} // namespace

std::int16_t SliderMarkerRow(float sliderMarkerY)
{
    return EvenNearest16(static_cast<double>(sliderMarkerY));
}

void Picker::DrawHueStrip()
{
    const PickerBitmap strip = MakeHueStripPicture();
    // Stored row k is strip row k, so the bottom-up picture goes on mirrored top to bottom.
    surface_.PutPicture(strip, SliderLeft, SliderTop, Mirror::TopBottom);
    DrawMainFrame();
}

void Picker::DrawFieldHue(int r, int g, int b)
{
    DrawPicker();
    // The same pixels MakeFieldHuePicture stores, written straight into the surface rows.
    surface_.PaintRows(FieldLeft, FieldTop, FieldSize, FieldSize,
                       [&](int y, std::uint32_t* row) { FieldHuePixelRow(r, g, b, y, row); });
    DrawSelFrame();
    DrawPicker();
}

void Picker::DrawFieldSat()
{
    DrawPicker();
    surface_.PutPixels(FieldSatPixels(), FieldSize, FieldSize, FieldLeft, FieldTop);
    DrawSelFrame();
    DrawPicker();
}

void Picker::DrawFieldBri()
{
    DrawPicker();
    surface_.PutPixels(FieldBriPixels(), FieldSize, FieldSize, FieldLeft, FieldTop);
    DrawSelFrame();
    DrawPicker();
}

template <typename PixelsOfRows>
void Picker::DrawSlider(PixelsOfRows pixelsOfRows)
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
    DrawMainFrame();
}

void Picker::DrawSliderSat(int r, int g, int b)
{
    DrawSlider([&](std::uint32_t* pixels) { SliderSatPixels(r, g, b, pixels); });
}

void Picker::DrawSliderBri(int r, int g, int b)
{
    DrawSlider([&](std::uint32_t* pixels) { SliderBriPixels(r, g, b, pixels); });
}

void Picker::DrawPicker()
{
    surface_.InvertCircle(MarkerX, MarkerY, kMarkerRadius);
}

void Picker::DrawSliderMarker(std::int16_t y)
{
    // Two bars clear of the slider's columns 277 .. 291 and its frame lines 276 and 292.
    surface_.InvertBar(SliderRight + 2, SliderRight + 5, y);
    surface_.InvertBar(SliderLeft - 2, SliderLeft - 5, y);
}

void Picker::DrawSelFrame()
{
    surface_.Bevel(kFieldFrame, BevelStyle::SunkenInner, colors_);
    surface_.Refresh();
}

void Picker::DrawMainFrame()
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
    DrawSafePicker(SelectedCell, false);
}

void Picker::DrawSafePicker(int index, bool erase)
{
    if (index < 1 || index > CellCount)
        return;
    const Rect cell = CellRect(index);
    if (erase)
        surface_.HollowWideRectangle(cell.left - 2, cell.top - 2, cell.right + 2, cell.bottom + 2, surface_.background());
    else
        surface_.Bevel({cell.left - 3, cell.top - 3, cell.right + 3, cell.bottom + 3}, BevelStyle::SunkenSoft, colors_);
}

} // namespace pelmora
