#pragma once
// The palette controls of the main window: "Import…" and "Export…" beside the grids, the same
// entries in the grid's context menu, "Export History…" and "Clear History" in the history's, and
// the file dialogs they open. What was chosen goes to the window; reading and writing the files is
// its part.

#include "controller/preset_grids.h"
#include "palette/palette_formats.h"

#include <QObject>
#include <QString>

class QFileDialog;
class QMenu;
class QPoint;
class QPushButton;
class QWidget;

namespace pelmora {

// What an export writes.
enum class PaletteSource {
    AllCells, // the 224 custom colours
    SetCells, // the custom colours that are set: not 0, or set to black
    History, // the 18 history swatches, newest first
};

class PaletteControls final : public QObject {
    Q_OBJECT
public:
    // Creates the buttons on `window`, hidden until the grids are shown.
    explicit PaletteControls(QWidget* window);

    QPushButton* importButton() const { return importButton_; }
    QPushButton* exportButton() const { return exportButton_; }

    // The buttons go with the grids (either of them), like the grid list.
    void showPresentation(PresetKind kind);
    // The grid's menu: import and every export; the history's: its export.
    void popUpGridMenu(const QPoint& globalPos);
    void popUpHistoryMenu(const QPoint& globalPos);

    // The file dialogs (window-modal, object name "paletteFileDialog"); each reports its choice
    // through the signals below once accepted.
    void chooseImportFile();
    void chooseExportFile(PaletteSource source);

signals:
    void importFileChosen(const QString& path);
    void exportFileChosen(pelmora::PaletteSource source, const QString& path, pelmora::PaletteFormat format);
    // "Clear History" in the history's menu.
    void clearHistoryChosen();

private:
    // Gives `dialog` (new, on the window) what every palette dialog has, and returns it.
    QFileDialog* openDialog(QFileDialog* dialog, const QString& filters);
    void addExportEntries(QMenu* menu, bool withCells);

    QWidget* window_;
    QPushButton* importButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QMenu* exportMenu_ = nullptr;
    // Where the next dialog opens: the folder of the file chosen last (in this run or an earlier
    // one), at first the home folder, never the folder the program was started from. Empty until the
    // first dialog.
    QString folder_;
};

} // namespace pelmora
