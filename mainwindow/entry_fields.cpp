// Typed hue, saturation and brightness. Typed values act only in Hue mode; in the other modes they
// wait in their boxes until a mode button is clicked. The channel boxes react to nothing typed.

#include "picker/hsb_positions.h"
#include "color/rounding.h"
#include "mainwindow/form1.h"
#include "mainwindow/swatch.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace pelmora {

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        if (watched == txtH)
            txtH_KeyUp();
        else if (watched == txtS)
            txtS_KeyUp();
        else if (watched == txtB)
            txtB_KeyUp();
    } else if (event->type() == QEvent::FocusOut && watched == txtH) {
        // Focus leaving for another control of this window counts; the window losing activation
        // (to a message box, another program, a popup) does not, as the box keeps its focus there.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            txtH_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

bool Form1::HueIsWrong() const
{
    const double hue = BoxValue(txtH);
    return hue < 0 || hue > 360 || hue != std::floor(hue);
}

void Form1::ShowMessage(const QString& text, QWidget* focusAfterwards)
{
    // Key release and focus loss can both ask at once: one box at a time, never a box in a box.
    if (messageOpen_)
        return;
    messageOpen_ = true;
    auto* box = new QMessageBox(QMessageBox::NoIcon, branding_.strProgramName, text, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("messageBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, focusAfterwards] {
        messageOpen_ = false;
        // After the box has gone and this window is active again, or the window would put the
        // focus back where it last was.
        if (focusAfterwards)
            QTimer::singleShot(0, focusAfterwards, [focusAfterwards] { focusAfterwards->setFocus(); });
    });
    box->open();
}

void Form1::CheckHue(bool returnFocus)
{
    if (HueIsWrong())
        ShowMessage(tr("Enter an Integer Value Between 0 and 360"), returnFocus ? txtH : nullptr);
}

void Form1::txtH_KeyUp()
{
    CheckHue(false);
    if (BoxValue(txtH) < 0)
        txtH->setText(QStringLiteral("0"));
    if (SliderDragging || mode() != Mode::Hue)
        return;
    MoveSliderMarker(SliderYFromHueTyped(BoxValue(txtH)));
    const Channels hue = model_.SplitColor(HueColorAtSliderMarker(SliderLeft + 5));
    picker_.DrawFieldHue(hue.r, hue.g, hue.b);
    ShowMarkerColor();
    ShowDrawing();
}

void Form1::txtH_LostFocus()
{
    if (!messageOpen_)
        CheckHue(true);
}

// Saturation and brightness are not checked; a value beyond 0..100 puts the marker on the field's edge.
void Form1::txtS_KeyUp()
{
    if (mode() != Mode::Hue)
        return;
    MoveFieldMarker(std::clamp(FieldXFromSat(BoxValue(txtS)), FieldLeft, FieldRight), picker_.MarkerY);
    ShowMarkerColor();
    ShowDrawing();
}

void Form1::txtB_KeyUp()
{
    if (mode() != Mode::Hue)
        return;
    MoveFieldMarker(picker_.MarkerX, std::clamp(FieldYFromBri(BoxValue(txtB)), FieldTop, FieldBottom));
    ShowMarkerColor();
    ShowDrawing();
}

void Form1::ShowMarkerColor()
{
    const Color color = Point(picker_.MarkerX, picker_.MarkerY);
    SetNewColor(color);
    WriteChannelBoxes(model_.SplitColor(color));
}

} // namespace pelmora
