#include "mainwindow/form1.h"

#include "helpers/window_icon.h"
#include "mainwindow/swatch.h"
#include "platform/surface_view.h"
#include "platform/text_painter.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QPushButton>

namespace pelmora {

Form1::Form1(const Branding& branding, QWidget* parent)
    : QWidget(parent), branding_(branding), surface_(ClientWidth, ClientHeight), picker_(surface_, systemColors_), model_(systemColors_)
{
    setObjectName(QStringLiteral("Form1"));
    Form_Load();
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    // The window's own font: Verdana 8.25 pt bold, or the closest sans face installed, at a fixed
    // pixel size so that every display lays the window out alike.
    QFont windowFont({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    windowFont.setPixelSize(11);
    windowFont.setBold(true);
    setFont(windowFont);
    setFixedSize(ClientWidth, ClientHeight);

    const QColor background = palette().color(QPalette::Window);
    surface_.setBackground(RGB(background.red(), background.green(), background.blue()));
    surface_.Clear();
    surface_.setTextPainter(MakeReadoutTextPainter());
    model_.setCodesListener([this](const ColorCodes& codes) { ShowCodes(codes); });
    connect(&systemColors_, &DesktopSystemColors::changed, this, [this] { SystemColorsChanged(); });
    CreateControls();

    ApplyWindowIcon(this, QString::fromLatin1(kProgramIconGroup), true);    // 2
    const Branding& branding = branding_;                                   // 1
    setWindowTitle(branding.strProgramName + QStringLiteral(" by ") + branding.strOwnerName);  // 3
    Command4->setText(QStringLiteral("Visit ") + branding.strWebsite);     // 4
    // 5 (the cell rectangles) and 7-8 (picture format, geometry) are fixed at compile time.
    picker_.PresetKind = 0;                                                 // 6
    cmbPreset->addItem(QStringLiteral("Custom..."));                        // 9
    cmbPreset->addItem(QStringLiteral("Safe Palette (216)"));
    picker_.DrawHueStrip();                                                 // 10
    picker_.MarkerX = FieldRight;                                           // 11
    picker_.MarkerY = FieldTop;
    picker_.SliderMarkerY = static_cast<float>(SliderBottom);
    picker_.DrawSliderMarker(SliderMarkerRow(picker_.SliderMarkerY));      // 12
    picker_.DrawPicker();                                                   // 13
    picker_.DrawFieldHue(255, 0, 0);                                        // 14
    picker_.SelectedCell = 1;                                               // 15
    // 16, the help window, is opened by the application right after this load.
}

// A new desktop theme: the frames and the grid highlight take its colours now; the code fields follow
// at their next refresh.
void Form1::SystemColorsChanged()
{
    if (picker_.PresetKind == 0) {
        // The field marker may cross the field frame: off before the frames, on again after.
        picker_.DrawPicker();
        picker_.DrawSelFrame();
        picker_.DrawMainFrame();
        picker_.DrawPicker();
    } else {
        picker_.DrawSafePicker(picker_.SelectedCell, false);
    }
    for (QWidget* swatch : findChildren<Swatch*>())
        swatch->update();
    ShowDrawing();
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Nothing is asked and nothing is saved: closing always proceeds.
    event->accept();
    emit unloaded();
}

void Form1::DrawPicker() { picker_.DrawPicker(); }
void Form1::DrawSelFrame() { picker_.DrawSelFrame(); }
void Form1::DrawMainFrame() { picker_.DrawMainFrame(); }
void Form1::DrawSafePicker(int index, bool erase) { picker_.DrawSafePicker(index, erase); }

void Form1::Command4_Click()
{
    emit visitWebsiteClicked();
}

void Form1::Command5_Click()
{
    emit aboutClicked();
}

} // namespace pelmora
