#include "controller/picker_controller.h"

#include "color/code_formats.h"
#include "color/hsb.h"
#include "color/rounding.h"
#include "controller/color_readout.h"
#include "picker/hsb_positions.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace pelmora {
namespace {

bool InField(double x, double y) { return x >= FieldLeft && x <= FieldRight && y >= FieldTop && y <= FieldBottom; }

// The slider's hit area reaches 11 pixels beyond its right edge, 2 above and 3 below.
bool InSliderArea(double x, double y)
{
    return x >= SliderLeft && x < SliderRight + 11 && y >= SliderTop - 2 && y < SliderBottom + 3;
}

// Typed numbers are not limited, but the field marker stays on the field so that the colour under
// it is a field colour.
int ClampX(int x) { return std::clamp(x, FieldLeft, FieldRight); }
int ClampY(int y) { return std::clamp(y, FieldTop, FieldBottom); }
// Likewise a hue beyond 0..360 puts the slider marker on the slider's top or bottom row, the row its
// colour is taken from.
float ClampSliderY(float y) { return std::isnan(y) ? y : std::clamp<float>(y, SliderTop, SliderBottom); }

} // namespace

PickerController::PickerController(const SystemColors& systemColors, UserColorsStore& userColors)
    : surface_(ClientWidth, ClientHeight)
    , picker_(surface_, systemColors)
    , model_(systemColors)
    , grids_(picker_, systemColors, userColors)
{
    history_.addColor = systemColors.GetSysColor(SysColor::WindowBackground);
    model_.setCodesListener([this](const ColorCodes&) { change_.codes = true; });
    settled_ = Snapshot();
}

PickerChange PickerController::TakeChange()
{
    RecordStep();
    return std::exchange(change_, PickerChange{});
}

Color PickerController::Point(double x, double y) const { return surface_.ReadPixel(EvenNearest(x), EvenNearest(y)); }

// The hue strip's colour at the slider marker's row. A typed hue can put the marker above or below
// the strip; the colour is then taken at the nearest strip row, never from outside the strip.
Color PickerController::HueColorAtSliderMarker(int column) const
{
    const int row = std::clamp<int>(SliderMarkerRow(picker_.sliderMarkerY()), SliderTop, SliderBottom);
    return surface_.ReadPixel(column, row);
}

void PickerController::ShowNew(Color color)
{
    history_.newColor = color;
    change_.swatches = true;
}

void PickerController::MakeCurrentAndShow(Color color)
{
    model_.MakeCurrent(color);
    ShowChannels(SplitChannels(color));
    ShowNew(color);
}

PickerChange PickerController::Start()
{
    picker_.DrawHueStrip();
    // Both markers start at their first places: the slider's bottom row and the field's top-right
    // corner, where pure red lies.
    picker_.DrawSliderMarker(SliderMarkerRow(picker_.sliderMarkerY()));
    picker_.ToggleFieldMarker();
    picker_.DrawFieldHue(255, 0, 0);
    change_.surface = true;
    return TakeChange();
}

// --- the mouse on the field and the slider ------------------------------------------------------

PickerChange PickerController::LeftPressed(double x, double y)
{
    pressed_ = true;
    if (grids_.kind() != PresetKind::Picker) {
        PickPaletteCell(x, y);
        return TakeChange();
    }
    if (InField(x, y)) {
        fieldDragging_ = true;
        PickFieldPoint(x, y);
    }
    if (InSliderArea(x, y)) {
        sliderDragging_ = true;
        PickSliderPoint(std::clamp<double>(y, SliderTop, SliderBottom));
    }
    change_.surface = true;
    return TakeChange();
}

PickerChange PickerController::LeftDragged(double x, double y)
{
    if (grids_.kind() != PresetKind::Picker) {
        PickPaletteCell(x, y);
        return TakeChange();
    }
    if (fieldDragging_)
        PickFieldPoint(std::clamp<double>(x, FieldLeft, FieldRight), std::clamp<double>(y, FieldTop, FieldBottom));
    if (sliderDragging_)
        PickSliderPoint(std::clamp<double>(y, SliderTop, SliderBottom));
    change_.surface = true;
    return TakeChange();
}

PickerChange PickerController::Released()
{
    pressed_ = false;
    fieldDragging_ = false;
    if (sliderDragging_ && mode_ == PickerMode::Hue) {
        // The field follows the hue only once the slider is released.
        const Channels hue = SplitChannels(HueColorAtSliderMarker(SliderLeft + 3));
        picker_.DrawFieldHue(hue.r, hue.g, hue.b);
        MakeCurrentAndShow(Point(picker_.markerX(), picker_.markerY()));
    }
    sliderDragging_ = false;
    change_.surface = true;
    return TakeChange();
}

PickerChange PickerController::ArrowPressed(int dx, int dy)
{
    if (grids_.kind() != PresetKind::Picker) {
        const int column = (picker_.selectedCell() - 1) % CellsPerRow + dx;
        const int cell = picker_.selectedCell() + dx + CellsPerRow * dy;
        if (column >= 0 && column < CellsPerRow && cell >= 1 && cell <= CellCount) {
            const Rect rect = CellRect(cell);
            PickPaletteCell(rect.left + CellSize / 2, rect.top + CellSize / 2);
        }
        return TakeChange();
    }
    PickFieldPoint(ClampX(picker_.markerX() + dx), ClampY(picker_.markerY() + dy));
    change_.surface = true;
    return TakeChange();
}

// The field point becomes the selected colour. In Saturation and Brightness modes the slider is
// repainted for the field colour first, and the colour is the one under the slider marker.
void PickerController::PickFieldPoint(double x, double y)
{
    picker_.MoveFieldMarker(EvenNearest(x), EvenNearest(y));
    const Color fieldColor = Point(x, y);
    const Channels rgb = SplitChannels(fieldColor);
    const int mx = picker_.markerX();
    const int my = picker_.markerY();
    if (mode_ == PickerMode::Saturation) {
        picker_.DrawSliderSat(rgb.r, rgb.g, rgb.b);
        texts_.Write(EntryBox::Brightness, BriFromFieldY(my), change_);
        texts_.Write(EntryBox::Hue, HueFromFieldX(mx), change_);
    } else if (mode_ == PickerMode::Brightness) {
        picker_.DrawSliderBri(rgb.r, rgb.g, rgb.b);
        texts_.Write(EntryBox::Saturation, SatFromFieldY(my), change_);
        texts_.Write(EntryBox::Hue, HueFromFieldX(mx), change_);
    }
    Color selected = fieldColor;
    if (mode_ == PickerMode::Hue) {
        texts_.Write(EntryBox::Saturation, SatFromFieldX(mx), change_);
        texts_.Write(EntryBox::Brightness, BriFromFieldY(my), change_);
    } else {
        selected = Point(SliderLeft + 5, picker_.sliderMarkerY());
    }
    MakeCurrentAndShow(selected);
}

void PickerController::PickSliderPoint(double y)
{
    picker_.MoveSliderMarker(static_cast<float>(y));
    if (mode_ == PickerMode::Hue) {
        texts_.Write(EntryBox::Hue, HueFromSliderY(y), change_);
        ShowColorFromSB(
            EvenNearest16(texts_.value(EntryBox::Saturation)), EvenNearest16(texts_.value(EntryBox::Brightness)));
    } else {
        MakeCurrentAndShow(Point(SliderLeft + 5, y));
    }
    if (mode_ == PickerMode::Saturation)
        texts_.Write(EntryBox::Saturation, SatFromSliderY(y), change_);
    else if (mode_ == PickerMode::Brightness)
        texts_.Write(EntryBox::Brightness, BriFromSliderY(y), change_);
}

void PickerController::ShowColorFromSB(std::int16_t saturation, std::int16_t brightness)
{
    const Channels hue = SplitChannels(HueColorAtSliderMarker(SliderLeft + 5));
    // The codes describe the colour New shows, not the hue it is made from; the channel boxes
    // follow on release, when the field has been repainted for the hue.
    const Color composed = ColorOfHsb(hue, saturation, brightness);
    model_.MakeCurrent(composed);
    ShowNew(composed);
}

// --- the mode buttons -----------------------------------------------------------------------------

PickerChange PickerController::ModeChosen(PickerMode mode)
{
    mode_ = mode;
    ApplyMode();
    return TakeChange();
}

void PickerController::ApplyMode()
{
    DrawMode();
    if (mode_ == PickerMode::Hue) {
        // The colour under the field marker becomes current and New; the channel boxes stay as
        // they are. The other modes pick nothing until the next click.
        const Color marked = Point(picker_.markerX(), picker_.markerY());
        model_.MakeCurrent(marked);
        ShowNew(marked);
    }
}

void PickerController::DrawMode()
{
    if (mode_ == PickerMode::Hue)
        DrawHueMode();
    else
        DrawSaturationOrBrightnessMode();
    change_.surface = true;
}

void PickerController::DrawHueMode()
{
    picker_.DrawHueStrip();
    picker_.MoveSliderMarker(ClampSliderY(static_cast<float>(SliderYFromHueWhole(texts_.value(EntryBox::Hue)))));
    const Channels hue = SplitChannels(HueColorAtSliderMarker(SliderLeft + 3));
    picker_.DrawFieldHue(hue.r, hue.g, hue.b);
    picker_.MoveFieldMarker(ClampX(FieldXFromSat(texts_.value(EntryBox::Saturation))),
        ClampY(FieldYFromBri(texts_.value(EntryBox::Brightness))));
}

// In Saturation and Brightness modes the field spans hue by the other of the two, and both markers
// go where the boxes say, the slider marker too: left on the row it had in another mode, it would
// give the next pick a saturation or brightness the box does not show. Nothing is picked yet:
// neither the codes nor New nor the channel boxes change until the next pick.
void PickerController::DrawSaturationOrBrightnessMode()
{
    const bool saturation = mode_ == PickerMode::Saturation;
    if (saturation)
        picker_.DrawFieldSat();
    else
        picker_.DrawFieldBri();
    const int y = saturation ? FieldYFromBri(texts_.value(EntryBox::Brightness))
                             : FieldYFromSat(texts_.value(EntryBox::Saturation));
    picker_.MoveFieldMarker(ClampX(FieldXFromHue(texts_.value(EntryBox::Hue))), ClampY(y));
    const Channels rgb = SplitChannels(Point(picker_.markerX(), picker_.markerY()));
    if (saturation)
        picker_.DrawSliderSat(rgb.r, rgb.g, rgb.b);
    else
        picker_.DrawSliderBri(rgb.r, rgb.g, rgb.b);
    const double percent = texts_.value(saturation ? EntryBox::Saturation : EntryBox::Brightness);
    picker_.MoveSliderMarker(ClampSliderY(static_cast<float>(SliderYFromPercent(percent))));
}

// --- typed hue, saturation and brightness -------------------------------------------------------
// Typed values act only in Hue mode; in the other modes they wait in their boxes until a mode
// button is clicked.

void PickerController::BoxEdited(EntryBox box, std::string text) { texts_.set(box, std::move(text)); }

PickerChange PickerController::HueTyped(std::string text)
{
    typedNow_ = EntryBox::Hue;
    BoxEdited(EntryBox::Hue, std::move(text));
    change_.message = texts_.CheckHue(false);
    if (texts_.value(EntryBox::Hue) < 0)
        texts_.Write(EntryBox::Hue, 0, change_);
    if (sliderDragging_ || mode_ != PickerMode::Hue)
        return TakeChange();
    picker_.MoveSliderMarker(ClampSliderY(SliderYFromHueTyped(texts_.value(EntryBox::Hue))));
    const Channels hue = SplitChannels(HueColorAtSliderMarker(SliderLeft + 5));
    picker_.DrawFieldHue(hue.r, hue.g, hue.b);
    ShowMarkerColor();
    change_.surface = true;
    return TakeChange();
}

PickerChange PickerController::HueLeft()
{
    change_.message = texts_.CheckHue(true);
    return TakeChange();
}

// Saturation and brightness are not checked; a value beyond 0..100 puts the marker on the field's edge.
PickerChange PickerController::SaturationTyped(std::string text)
{
    typedNow_ = EntryBox::Saturation;
    BoxEdited(EntryBox::Saturation, std::move(text));
    return MoveMarkerForTypedValue(ClampX(FieldXFromSat(texts_.value(EntryBox::Saturation))), picker_.markerY());
}

PickerChange PickerController::BrightnessTyped(std::string text)
{
    typedNow_ = EntryBox::Brightness;
    BoxEdited(EntryBox::Brightness, std::move(text));
    return MoveMarkerForTypedValue(picker_.markerX(), ClampY(FieldYFromBri(texts_.value(EntryBox::Brightness))));
}

PickerChange PickerController::MoveMarkerForTypedValue(int x, int y)
{
    if (mode_ != PickerMode::Hue)
        return TakeChange();
    picker_.MoveFieldMarker(x, y);
    ShowMarkerColor();
    change_.surface = true;
    return TakeChange();
}

void PickerController::ShowMarkerColor() { MakeCurrentAndShow(Point(picker_.markerX(), picker_.markerY())); }

// --- the swatches and the history ---------------------------------------------------------------

PickerChange PickerController::KeepClicked()
{
    history_.Keep();
    change_.swatches = true;
    return TakeChange();
}

// Shows a swatch's colour in the code fields and the readout; the New colour stays as it is.
PickerChange PickerController::SwatchClicked(SwatchRef swatch)
{
    const Color color = history_.colorOf(swatch);
    model_.MakeCurrent(color);
    const Channels rgb = SplitChannels(color);
    DrawColorReadout(rgb, GetHexVal(rgb.r, rgb.g, rgb.b));
    return TakeChange();
}

PickerChange PickerController::SetHistory(const std::array<Color, kHistoryLength>& kept)
{
    history_.kept = kept;
    change_.swatches = true;
    return TakeChange();
}

PickerChange PickerController::SetNewColor(Color color)
{
    model_.MakeCurrent(color);
    ShowNew(color);
    return TakeChange();
}

void PickerController::DrawColorReadout(Channels rgb, const std::string& hex)
{
    pelmora::DrawColorReadout(surface_, rgb, hex);
    readout_ = ReadoutDrawn{{rgb, hex}, surface_.clears()};
    change_.surface = true;
}

} // namespace pelmora
