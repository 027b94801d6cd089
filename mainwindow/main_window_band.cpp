// The main window's band below About and Visit: importing and exporting palettes, the current
// colour's code in any notation, its contrast against a background with its name, and the note line.

#include "color/shown_color.h"
#include "mainwindow/accessible_parts.h"
#include "mainwindow/contrast_line.h"
#include "mainwindow/history_strip.h"
#include "mainwindow/main_window.h"
#include "mainwindow/notation_row.h"
#include "mainwindow/pasted_color.h"
#include "mainwindow/status_note.h"
#include "palette/palette_cells.h"
#include "platform/palette_files.h"
#include "platform/surface_view.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace pelmora {
namespace {

// The band's four rows below Visit, each as tall as its controls need in the window's font: the
// buttons, the notation row, the contrast line and the note line.
constexpr int kBandLeft = 4;
constexpr int kBandWidth = 472;
constexpr int kButtonRowTop = 447;
constexpr int kButtonRowHeight = 22;
constexpr int kNotationRowTop = 471;
constexpr int kNotationRowHeight = 22;
constexpr int kContrastRowTop = 493;
constexpr int kNoteRowTop = 506;
constexpr int kTextRowHeight = 13;
constexpr int kPickScreenWidth = 116;
constexpr int kButtonGap = 4;

// Where the grids are drawn: a right click there offers the grids' palette menu.
QRect GridArea()
{
    return QRect(
        QPoint(CellRect(1).left, CellRect(1).top), QPoint(CellRect(CellCount).right, CellRect(CellCount).bottom));
}

} // namespace

void MainWindow::createBand()
{
    paletteControls_ = new PaletteControls(this);

    contrastLine_ = new ContrastLine(this);

    notationRow_ = new NotationRow(this);
    notationRow_->setObjectName(QStringLiteral("notationRow"));
    notationRow_->setRowHeight(kNotationRowHeight);
    SetSurfaceValue(view_, std::nullopt);
}

// Once every band control exists. The palette buttons are as wide as their texts (and Export's
// menu arrow) need in the window's font, and no narrower than the style's buttons.
void MainWindow::layOutBand()
{
    pickScreenButton_->setGeometry(kBandLeft, kButtonRowTop, kPickScreenWidth, kButtonRowHeight);
    int x = kBandLeft + kPickScreenWidth + kButtonGap;
    for (QPushButton* button : {paletteControls_->importButton(), paletteControls_->exportButton()}) {
        const int width = button->sizeHint().width();
        button->setGeometry(x, kButtonRowTop, width, kButtonRowHeight);
        x += width + kButtonGap;
    }
    notationRow_->setGeometry(kBandLeft, kNotationRowTop, kBandWidth, kNotationRowHeight);
    contrastLine_->setGeometry(kBandLeft, kContrastRowTop, kBandWidth, kTextRowHeight);
    statusNote_->setGeometry(kBandLeft, kNoteRowTop, kBandWidth, kTextRowHeight);
}

void MainWindow::wirePalettes()
{
    connect(paletteControls_, &PaletteControls::importFileChosen, this, &MainWindow::onImportFileChosen);
    connect(paletteControls_, &PaletteControls::exportFileChosen, this, &MainWindow::onExportFileChosen);
    connect(paletteControls_, &PaletteControls::clearHistoryChosen, this,
        [this] { apply(controller_.SetHistory(HistoryColors{})); });
    connect(historyStrip_, &HistoryStrip::historyMenuRequested, paletteControls_, &PaletteControls::popUpHistoryMenu);
    wireContrast();
}

bool MainWindow::showGridMenuAt(QPoint position)
{
    if (controller_.presetKind() == PresetKind::Picker || !GridArea().contains(position))
        return false;
    paletteControls_->popUpGridMenu(view_->mapToGlobal(position));
    return true;
}

// Brought up to date from the same change record as the output panel, and describing the same
// colour: the code row, the name, the contrast against the background and the nearest colour that
// passes. Before any colour is chosen the panel shows its initial texts and the band no colour at all.
void MainWindow::applyBand(const PickerChange& change)
{
    if (!change.codes && !change.swatches && !change.contrast)
        return;
    std::optional<Color> shown = controller_.colorModel().ChosenColor();
    if (shown)
        shown = ShownColor(*shown, systemColors_);
    notationRow_->setColor(shown);
    const ContrastCheck& check = controller_.contrastCheck();
    contrastLine_->showReading(
        shown, check.background(), check.aim(), shown ? check.Read(*shown).suggestion : std::nullopt);
    SetSurfaceValue(view_, shown);
}

void MainWindow::onImportFileChosen(const QString& path)
{
    // Read into a copy: the file is placed from the selected cell on, and only what fits is saved.
    UserColorArray cells = controller_.userColors();
    const int first = controller_.selectedCell();
    const PaletteFileImport import = ImportPaletteFile(path, cells, first);
    if (!import.imported) {
        showMessage(ShownText(import.message), nullptr); // it may quote a line of the file
        return;
    }
    const std::span<const Color> placed(cells.data() + first, import.placement.placed);
    const std::string whatWasLeftOut = import.placement.leftOut > 0 ? import.message.toStdString() : std::string();
    const PickerChange change = controller_.ImportColors(placed, whatWasLeftOut);
    // A failed save says why instead, in a box; the note line only tells what did happen.
    const bool saved = !change.message || change.message->text == whatWasLeftOut;
    apply(change);
    if (saved)
        statusNote_->showNote(import.message);
}

void MainWindow::onExportFileChosen(PaletteSource source, const QString& path, PaletteFormat format)
{
    const ColorNamer namer = CssColorName;
    const Palette palette = source == PaletteSource::History
        ? PaletteFromHistory(controller_.history().kept, systemColors_, namer)
        : PaletteFromCells(controller_.userColors(),
            source == PaletteSource::SetCells ? CellSelection::SetOnly : CellSelection::All, systemColors_, namer,
            controller_.customColors().blackSet);
    QString error;
    if (!WritePaletteFile(path, format, palette, &error)) {
        showMessage(error, nullptr);
        return;
    }
    const int count = static_cast<int>(palette.entries.size());
    const QString colours = count == 1 ? tr("1 colour") : tr("%1 colours").arg(count);
    statusNote_->showNote(tr("Saved %1 to %2").arg(colours, QFileInfo(path).fileName()));
}

} // namespace pelmora
