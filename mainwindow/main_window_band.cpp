// The main window's band below About and Visit: importing and exporting palettes, the contrast of
// New against Old with the name of New, and the current colour's code in any notation.

#include "color/shown_color.h"
#include "helpers/window_font.h"
#include "mainwindow/contrast_label.h"
#include "mainwindow/history_strip.h"
#include "mainwindow/main_window.h"
#include "mainwindow/notation_row.h"
#include "mainwindow/palette_files.h"
#include "mainwindow/status_note.h"
#include "palette/palette_cells.h"
#include "platform/surface_view.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace pelmora {
namespace {

// The band's rows, below Visit (the row at y = 505 stays free for messages).
constexpr int kBandRowHeight = 23;
constexpr int kPaletteRowTop = 450;
constexpr int kNotationRowTop = 478;

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

    contrastLabel_ = new ContrastLabel(this);
    contrastLabel_->setGeometry(250, kPaletteRowTop, 226, kBandRowHeight);
    // Two short lines when the name is long: a smaller plain font fits them in the row.
    contrastLabel_->setFont(WindowFont(9));
    contrastLabel_->setWordWrap(true);
    contrastLabel_->setFocusPolicy(Qt::StrongFocus);

    notationRow_ = new NotationRow(this);
    notationRow_->setObjectName(QStringLiteral("notationRow"));
    notationRow_->setGeometry(4, kNotationRowTop, 472, kBandRowHeight);
    auto* list = notationRow_->findChild<QComboBox*>(QStringLiteral("cmbNotation"));
    auto* field = notationRow_->findChild<QLineEdit*>(QStringLiteral("txtNotation"));
    auto* copy = notationRow_->findChild<QPushButton*>(QStringLiteral("cmdCopyNotation"));
    list->setFixedWidth(150);
    copy->setFixedWidth(74);
    for (QWidget* part : std::initializer_list<QWidget*>{list, field, copy})
        part->setFixedHeight(kBandRowHeight);
}

void MainWindow::wirePalettes()
{
    connect(paletteControls_, &PaletteControls::importFileChosen, this, &MainWindow::onImportFileChosen);
    connect(paletteControls_, &PaletteControls::exportFileChosen, this, &MainWindow::onExportFileChosen);
    connect(paletteControls_, &PaletteControls::clearHistoryChosen, this,
        [this] { apply(controller_.SetHistory(HistoryColors{})); });

    // The swatches leave their context menu events to the frame around them.
    if (auto* history = findChild<QGroupBox*>(QStringLiteral("Frame5"))) {
        history->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(history, &QWidget::customContextMenuRequested, this,
            [this, history](const QPoint& pos) { paletteControls_->popUpHistoryMenu(history->mapToGlobal(pos)); });
    }
}

bool MainWindow::showGridMenuAt(QPoint position)
{
    if (controller_.presetKind() == PresetKind::Picker || !GridArea().contains(position))
        return false;
    paletteControls_->popUpGridMenu(view_->mapToGlobal(position));
    return true;
}

// Brought up to date from the same change record as the output panel: the row from the colour the
// codes describe, the contrast from the swatches.
void MainWindow::applyBand(const PickerChange& change)
{
    if (change.codes)
        notationRow_->setColor(ShownColor(controller_.colorModel().CurrentColor(), systemColors_));
    if (change.swatches) {
        const ColorHistory& history = controller_.history();
        contrastLabel_->setColors(
            ShownColor(history.newColor, systemColors_), ShownColor(history.oldColor, systemColors_));
        contrastLabel_->setToolTip(contrastLabel_->text());
    }
}

void MainWindow::onImportFileChosen(const QString& path)
{
    // Read into a copy: the file is placed from the selected cell on, and only what fits is saved.
    UserColorArray cells = controller_.userColors();
    const int first = controller_.selectedCell();
    const PaletteFileImport import = ImportPaletteFile(path, cells, first);
    if (!import.imported) {
        showMessage(import.message, nullptr);
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
            source == PaletteSource::SetCells ? CellSelection::SetOnly : CellSelection::All, systemColors_, namer);
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
