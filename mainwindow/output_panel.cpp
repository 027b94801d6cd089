// The output panel: the code fields, their Copy buttons, and the readout beside the picker.

#include "mainwindow/form1.h"
#include "mainwindow/swatch.h"
#include "outputs/output_panel.h"
#include "platform/clipboard.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace pelmora {
namespace {

// The readout's box beside the slider.
constexpr int kReadoutLeft = SliderRight + 20;
constexpr int kReadoutTop = 80;
constexpr int kReadoutWidth = 80;
constexpr int kReadoutHeight = 50;

} // namespace

void Form1::ShowCodes(const ColorCodes& codes)
{
    for (std::size_t i = 0; i < txtColor.size(); ++i) {
        const QString text = QString::fromStdString(codes.text[i]);
        if (txtColor[i]->text() != text)
            txtColor[i]->setText(text);
        txtColor[i]->setEnabled(codes.enabled[i]);
    }
    cboSysColors->setCurrentIndex(codes.sysColorSelection);
}

void Form1::cmdCopy_Click(int index)
{
    const int field = CopySourceField(index);
    if (field < 0)
        return;
    // A clipboard that refuses the text loses nothing: the field keeps it and the user can try again.
    CopyTextToClipboard(txtColor[static_cast<std::size_t>(field)]->text());
}

void Form1::LoadColorDialog(Color color) { SetNewColor(color); }

void Form1::DrawColorReadout(Channels rgb, const std::string& hex)
{
    const Color background = surface_.background();
    // Both corners of the box are inside it.
    surface_.FilledRectangle(kReadoutLeft, kReadoutTop, kReadoutLeft + kReadoutWidth + 1,
                             kReadoutTop + kReadoutHeight + 1, background, background);
    // Four lines share the box's 50 rows, so a line advances at most a quarter of it: the next
    // erase then covers every row the text touched.
    int y = kReadoutTop;
    for (const std::string& line : ReadoutLines(rgb, hex))
        y += std::min(surface_.DrawTextLine(kReadoutLeft, y, line, Color::black()), kReadoutHeight / 4);
    surface_.Refresh();
}

} // namespace pelmora
