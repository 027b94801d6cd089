// The preset grids in the picker's place: the custom colours and the web-safe palette.

#include "color/code_formats.h"
#include "color/safe_palette.h"
#include "color/shown_color.h"
#include "mainwindow/form1.h"
#include "mainwindow/swatch.h"

#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

namespace pelmora {
namespace {

constexpr int kCustomGrid = 1;
constexpr int kSafePaletteGrid = 4;

// The cell under (x, y); points on a cell's edge and in the gaps between cells hit nothing.
int CellAt(double x, double y)
{
    for (int i = 1; i <= CellCount; ++i) {
        const Rect cell = CellRect(i);
        if (cell.left < x && x < cell.right && cell.top < y && y < cell.bottom)
            return i;
    }
    return 0;
}

} // namespace

void Form1::Command3_Click()
{
    surface_.Clear();
    if (picker_.PresetKind != 0) {
        surface_.Clear();
        cmbPreset->hide();
        Command3->setText(QStringLiteral("&Preset"));
        picker_.DrawPicker();
        // The cleared slider has no marker; drawn before the mode button runs, the button's own
        // off-then-on move leaves exactly one marker, at the row it computes.
        picker_.DrawSliderMarker(SliderMarkerRow(picker_.SliderMarkerY));
        if (optH->isChecked())
            optH_Click();
        else if (optS->isChecked())
            optS_Click();
        else if (optB->isChecked())
            optB_Click();
        picker_.PresetKind = 0;
        Frame2->show();
        cmdADD->hide();
        lblADDColor->hide();
        Frame3->hide();
        ShowDrawing();
        return;
    }
    Frame2->hide();
    picker_.PresetKind = kCustomGrid;
    LoadUserColors();
    Command3->setText(QStringLiteral("&Picker"));
    cmbPreset->show();
    cmbPreset->setCurrentIndex(0);
    cmbPreset_Click();
    lblADDColor->setColor(lblSelColor->color());
    cmdADD->show();
    lblADDColor->show();
    Frame3->show();
    ShowDrawing();
}

void Form1::cmbPreset_Click()
{
    surface_.Clear();
    if (cmbPreset->currentIndex() == 0) {
        LoadUserColors();
        cmdADD->show();
        lblADDColor->show();
        picker_.PresetKind = kCustomGrid;
    } else if (cmbPreset->currentIndex() == 1) {
        picker_.DrawSafePalette();
        surface_.Refresh();
        cmdADD->hide();
        lblADDColor->hide();
        picker_.PresetKind = kSafePaletteGrid;
    }
}

void Form1::PickPaletteCell(double x, double y, int kind)
{
    const int cell = CellAt(x, y);
    if (cell == 0)
        return;
    picker_.DrawSafePicker(picker_.SelectedCell, true);
    picker_.DrawSafePicker(cell, false);
    surface_.Refresh();
    picker_.SelectedCell = static_cast<std::int16_t>(cell);

    Channels rgb;
    std::string hex;
    if (kind == kCustomGrid) {
        const Color color = UserColors[static_cast<std::size_t>(cell)];
        SetNewColor(color);
        model_.SetCurrentColor(color);
        model_.UpdateColorCodes();
        rgb = model_.SplitColor(color);
        hex = GetHexVal(rgb.r, rgb.g, rgb.b);
    } else if (kind == kSafePaletteGrid) {
        const Color color = model_.GetSafeColor(cell, rgb, hex);
        if (cell > 216) {
            // The black cells after the 216 web-safe colours: the panel describes the black just
            // picked rather than the colour before it.
            rgb = model_.SplitColor(color);
            hex = GetHexVal(rgb.r, rgb.g, rgb.b);
        }
        SetNewColor(color);
    } else {
        return;
    }
    DrawColorReadout(rgb, hex);
}

void Form1::PaintUserCell(int n)
{
    picker_.PaintCell(n, ShownColor(UserColors[static_cast<std::size_t>(n)], systemColors_));
}

void Form1::cmdADD_Click()
{
    const int cell = picker_.SelectedCell;
    UserColors[static_cast<std::size_t>(cell)] = lblADDColor->color();
    picker_.DrawSafePicker(cell, true);
    PaintUserCell(cell);
    SaveUserColor(cell);
    picker_.DrawSafePicker(cell, false);
    surface_.Refresh();
}

void Form1::LoadUserColors()
{
    UserColors = userColorsFile_.Load();
    surface_.Clear();
    for (int i = 1; i <= CellCount; ++i)
        PaintUserCell(i);
    picker_.DrawSafePicker(picker_.SelectedCell, false);
    surface_.Refresh();
}

void Form1::SaveUserColor(int cell)
{
    // Only this cell is stored into the file as it is now; cells another running copy stored since
    // the grid was loaded are shown as saved. On failure the colour stays in the grid and the
    // message says where and why.
    QString error;
    const std::optional<UserColorArray> saved
        = userColorsFile_.StoreCell(cell, UserColors[static_cast<std::size_t>(cell)], &error);
    if (!saved) {
        ShowMessage(error, nullptr);
        return;
    }
    for (int i = 1; i <= CellCount; ++i) {
        if ((*saved)[static_cast<std::size_t>(i)] != UserColors[static_cast<std::size_t>(i)]) {
            UserColors[static_cast<std::size_t>(i)] = (*saved)[static_cast<std::size_t>(i)];
            PaintUserCell(i);
        }
    }
    UserColors = *saved;
}

} // namespace pelmora
