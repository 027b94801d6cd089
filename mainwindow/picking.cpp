// Picking with the mouse in the field and on the slider, and the three mode buttons.
// The picked colour is always read back from the painted pixels; only the Hue-mode slider drag
// composes a colour arithmetically (ShowColorFromSB).

#include "color/hsb.h"
#include "color/number_text.h"
#include "color/rounding.h"
#include "mainwindow/form1.h"
#include "mainwindow/swatch.h"
#include "picker/hsb_positions.h"

#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace pelmora {
namespace {

bool InField(double x, double y)
{
    return x >= FieldLeft && x <= FieldRight && y >= FieldTop && y <= FieldBottom;
}

// The slider's hit area reaches 11 pixels beyond its right edge, 2 above and 3 below.
bool InSliderArea(double x, double y)
{
    return x >= SliderLeft && x < SliderRight + 11 && y >= SliderTop - 2 && y < SliderBottom + 3;
}

QString Number(int value) { return QString::number(value); }

// Typed numbers are not limited, but the field marker stays on the field so that the colour under
// it is a field colour.
int ClampX(int x) { return std::clamp(x, FieldLeft, FieldRight); }
int ClampY(int y) { return std::clamp(y, FieldTop, FieldBottom); }

} // namespace

Form1::Mode Form1::mode() const
{
    if (optS->isChecked())
        return Mode::Saturation;
    if (optB->isChecked())
        return Mode::Brightness;
    return Mode::Hue;
}

Color Form1::Point(double x, double y) const
{
    return surface_.ReadPixel(EvenNearest(x), EvenNearest(y));
}

double Form1::BoxValue(const QLineEdit* box) const { return Val(box->text().toStdString()); }

void Form1::WriteChannelBoxes(Channels rgb)
{
    Text1->setText(Number(rgb.r));
    Text2->setText(Number(rgb.g));
    Text3->setText(Number(rgb.b));
}

void Form1::SetNewColor(Color color) { lblSelColor->setColor(color); }

void Form1::MoveFieldMarker(int x, int y)
{
    picker_.DrawPicker();
    picker_.MarkerX = x;
    picker_.MarkerY = y;
    picker_.DrawPicker();
}

void Form1::MoveSliderMarker(float y)
{
    picker_.DrawSliderMarker(SliderMarkerRow(picker_.SliderMarkerY));
    picker_.SliderMarkerY = y;
    picker_.DrawSliderMarker(SliderMarkerRow(picker_.SliderMarkerY));
}

// The hue strip's colour at the slider marker's row. A typed hue can put the marker above or below
// the strip; the colour is then taken at the nearest strip row, never from outside the strip.
Color Form1::HueColorAtSliderMarker(int column)
{
    const int row = std::clamp<int>(SliderMarkerRow(picker_.SliderMarkerY), SliderTop, SliderBottom);
    return surface_.ReadPixel(column, row);
}

void Form1::Form_MouseDown(Qt::MouseButton button, double x, double y)
{
    if (button != Qt::LeftButton)
        return;
    if (picker_.PresetKind != 0) {
        PickPaletteCell(x, y, picker_.PresetKind);
        return;
    }
    if (InField(x, y)) {
        FieldDragging = true;
        PickFieldPoint(x, y);
    }
    if (InSliderArea(x, y)) {
        SliderDragging = true;
        PickSliderPoint(x, std::clamp<double>(y, SliderTop, SliderBottom));
    }
    ShowDrawing();
}

void Form1::Form_MouseMove(Qt::MouseButtons buttons, double x, double y)
{
    if (buttons != Qt::LeftButton)
        return;
    if (picker_.PresetKind != 0) {
        PickPaletteCell(x, y, picker_.PresetKind);
        return;
    }
    if (FieldDragging)
        PickFieldPoint(std::clamp<double>(x, FieldLeft, FieldRight), std::clamp<double>(y, FieldTop, FieldBottom));
    if (SliderDragging)
        PickSliderPoint(SliderLeft + 2, std::clamp<double>(y, SliderTop, SliderBottom));
    ShowDrawing();
}

void Form1::Form_MouseUp(Qt::MouseButton, double, double)
{
    FieldDragging = false;
    if (SliderDragging && mode() == Mode::Hue) {
        // The field follows the hue only once the slider is released.
        const Channels hue = model_.SplitColor(HueColorAtSliderMarker(SliderLeft + 3));
        picker_.DrawFieldHue(hue.r, hue.g, hue.b);
        const Color picked = Point(picker_.MarkerX, picker_.MarkerY);
        WriteChannelBoxes(model_.SplitColor(picked));
        SetNewColor(picked);
    }
    SliderDragging = false;
    ShowDrawing();
}

void Form1::PickFieldPoint(double x, double y)
{
    MoveFieldMarker(EvenNearest(x), EvenNearest(y));
    const Color fieldColor = Point(x, y);
    Channels rgb = model_.SplitColor(fieldColor);
    const Mode current = mode();
    if (current == Mode::Saturation) {
        picker_.DrawSliderSat(rgb.r, rgb.g, rgb.b);
        txtB->setText(Number(BriFromFieldY(picker_.MarkerY)));
        txtH->setText(Number(HueFromFieldX(picker_.MarkerX)));
    } else if (current == Mode::Brightness) {
        picker_.DrawSliderBri(rgb.r, rgb.g, rgb.b);
        txtS->setText(Number(SatFromFieldY(picker_.MarkerY)));
        txtH->setText(Number(HueFromFieldX(picker_.MarkerX)));
    }
    Color selected = fieldColor;
    if (current == Mode::Hue) {
        txtS->setText(Number(SatFromFieldX(picker_.MarkerX)));
        txtB->setText(Number(BriFromFieldY(picker_.MarkerY)));
    } else {
        selected = Point(SliderLeft + 5, picker_.SliderMarkerY);
        rgb = model_.SplitColor(selected);
    }
    WriteChannelBoxes(rgb);
    SetNewColor(selected);
}

void Form1::PickSliderPoint(double /*x*/, double y)
{
    MoveSliderMarker(static_cast<float>(y));
    const Color sliderColor = Point(SliderLeft + 5, y);
    const Channels rgb = model_.SplitColor(sliderColor);
    const Mode current = mode();
    if (current == Mode::Hue) {
        txtH->setText(Number(HueFromSliderY(y)));
        ShowColorFromSB(EvenNearest16(BoxValue(txtS)), EvenNearest16(BoxValue(txtB)));
    } else {
        WriteChannelBoxes(rgb);
        SetNewColor(sliderColor);
    }
    if (current == Mode::Saturation)
        txtS->setText(Number(SatFromSliderY(y)));
    else if (current == Mode::Brightness)
        txtB->setText(Number(BriFromSliderY(y)));
}

void Form1::ShowColorFromSB(std::int16_t saturation, std::int16_t brightness)
{
    // The output codes show the hue colour itself until the button is released.
    const Channels hue = model_.SplitColor(HueColorAtSliderMarker(SliderLeft + 5));
    SetNewColor(ColorOfHsb(hue, saturation, brightness));
}

void Form1::optH_Click()
{
    picker_.DrawHueStrip();
    MoveSliderMarker(static_cast<float>(SliderYFromHueWhole(BoxValue(txtH))));
    const Channels hue = model_.SplitColor(HueColorAtSliderMarker(SliderLeft + 3));
    picker_.DrawFieldHue(hue.r, hue.g, hue.b);
    MoveFieldMarker(ClampX(FieldXFromSat(BoxValue(txtS))), ClampY(FieldYFromBri(BoxValue(txtB))));
    SetNewColor(Point(picker_.MarkerX, picker_.MarkerY));
    ShowDrawing();
}

void Form1::optS_Click()
{
    picker_.DrawFieldSat();
    MoveFieldMarker(ClampX(FieldXFromHue(BoxValue(txtH))), ClampY(FieldYFromBri(BoxValue(txtB))));
    const Channels rgb = model_.SplitColor(Point(picker_.MarkerX, picker_.MarkerY));
    picker_.DrawSliderSat(rgb.r, rgb.g, rgb.b);
    ShowDrawing();
}

void Form1::optB_Click()
{
    picker_.DrawFieldBri();
    MoveFieldMarker(ClampX(FieldXFromHue(BoxValue(txtH))), ClampY(FieldYFromSat(BoxValue(txtS))));
    const Channels rgb = model_.SplitColor(Point(picker_.MarkerX, picker_.MarkerY));
    picker_.DrawSliderBri(rgb.r, rgb.g, rgb.b);
    ShowDrawing();
}

} // namespace pelmora
