#include "mainwindow/palette_controls.h"

#include "mainwindow/control_factory.h"
#include "platform/palette_files.h"
#include "platform/remembered_folder.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

namespace pelmora {

namespace {

// The palette dialogs' folder under [Folders] in the settings.
const QString kPaletteFolderKey = QStringLiteral("palettes");

} // namespace

PaletteControls::PaletteControls(QWidget* window)
    : QObject(window)
    , window_(window)
{
    // The window places them in its band, as wide as their texts.
    importButton_ = MakeControl<QPushButton>(window, "cmdImport", QRect(), tr("Import…"));
    importButton_->setAccessibleName(tr("Import a palette into the custom colours"));
    importButton_->hide();
    exportButton_ = MakeControl<QPushButton>(window, "cmdExport", QRect(), tr("Export…"));
    exportButton_->setAccessibleName(tr("Export the custom colours or the history as a palette"));
    exportButton_->hide();
    // The button's menu is its keyboard path too: Space opens it, the arrows choose.
    exportMenu_ = new QMenu(exportButton_);
    exportMenu_->setObjectName(QStringLiteral("exportMenu"));
    addExportEntries(exportMenu_, true);
    exportButton_->setMenu(exportMenu_);

    connect(importButton_, &QPushButton::clicked, this, &PaletteControls::chooseImportFile);
}

void PaletteControls::addExportEntries(QMenu* menu, bool withCells)
{
    if (withCells) {
        menu->addAction(tr("Export All Custom Colors…"), this, [this] { chooseExportFile(PaletteSource::AllCells); });
        menu->addAction(tr("Export Set Custom Colors…"), this, [this] { chooseExportFile(PaletteSource::SetCells); });
    }
    menu->addAction(tr("Export History…"), this, [this] { chooseExportFile(PaletteSource::History); });
}

void PaletteControls::showPresentation(PresetKind kind)
{
    const bool grid = kind != PresetKind::Picker;
    importButton_->setVisible(grid);
    exportButton_->setVisible(grid);
}

void PaletteControls::popUpGridMenu(const QPoint& globalPos)
{
    auto* menu = new QMenu(window_);
    menu->setObjectName(QStringLiteral("gridMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(tr("Import…"), this, &PaletteControls::chooseImportFile);
    addExportEntries(menu, true);
    menu->popup(globalPos);
}

void PaletteControls::popUpHistoryMenu(const QPoint& globalPos)
{
    auto* menu = new QMenu(window_);
    menu->setObjectName(QStringLiteral("historyMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    addExportEntries(menu, false);
    menu->addSeparator();
    menu->addAction(tr("Clear History"), this, &PaletteControls::clearHistoryChosen);
    menu->popup(globalPos);
}

namespace {

// A bare name takes the extension of the filter it is saved under. QFileDialog adds it itself, from
// the default suffix, before it asks whether to replace a file of that name; added afterwards, "pal"
// would replace "pal.gpl" without a question. The filter may change until the very last moment.
class ExportDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        setDefaultSuffix(PaletteExtensionForFilter(selectedNameFilter()));
        QFileDialog::accept();
    }
};

} // namespace

QFileDialog* PaletteControls::openDialog(QFileDialog* dialog, const QString& filters)
{
    dialog->setObjectName(QStringLiteral("paletteFileDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setNameFilters(filters.split(QStringLiteral(";;")));
    // Read at the first dialog, not at start-up.
    if (folder_.isEmpty())
        folder_ = RememberedFolder(kPaletteFolderKey);
    dialog->setDirectory(folder_);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& chosen) {
        folder_ = QFileInfo(chosen).absolutePath();
        RememberFolder(kPaletteFolderKey, folder_);
    });
    return dialog;
}

void PaletteControls::chooseImportFile()
{
    QFileDialog* dialog = openDialog(new QFileDialog(window_, tr("Import a Palette")), PaletteImportFilters());
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this, &PaletteControls::importFileChosen);
    dialog->open();
}

void PaletteControls::chooseExportFile(PaletteSource source)
{
    const QString title
        = source == PaletteSource::History ? tr("Export the Color History") : tr("Export the Custom Colors");
    QFileDialog* dialog = openDialog(new ExportDialog(window_, title), PaletteExportFilters());
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    connect(dialog, &QFileDialog::fileSelected, this, [this, dialog, source](const QString& chosen) {
        // Written exactly where the dialog said: the name it has checked.
        const std::optional<PaletteFormat> format = PaletteFormatForFile(chosen, dialog->selectedNameFilter());
        emit exportFileChosen(source, chosen, format.value_or(PaletteFormat::Gpl));
    });
    dialog->open();
}

} // namespace pelmora
