#pragma once
// The main window: the picker (field and slider, or a preset grid) painted on the window's own
// surface, the entry boxes, the Old/New swatches and history, and the output panel. It lays the
// controls out and wires them to the picker controller, which holds all of the state; after every
// action the window applies the controller's change record in one place.
// Each control's objectName is the name the tests know it by, with "_<index>" for the elements of a
// control array (txtColor_2); the README lists them.

#include "controller/picker_controller.h"
#include "mainwindow/palette_controls.h"
#include "platform/desktop_system_colors.h"
#include "platform/history_store.h"
#include "platform/user_colors_file_store.h"
#include "windows/branding.h"

#include <QWidget>

class QAction;
class QPushButton;

namespace pelmora {

class ContrastLine;
class EntryPanel;
class HistoryStrip;
class NotationRow;
class OutputPanel;
class PasteTarget;
class PaletteControls;
class PresetGridView;
class ScreenPicker;
class StatusNote;
class SurfaceView;
class UndoActions;

class MainWindow final : public QWidget {
    Q_OBJECT
public:
    // Creating the window runs its start-up sequence; captions come from `branding`.
    explicit MainWindow(const Branding& branding = LoadBranding(), QWidget* parent = nullptr);
    ~MainWindow() override;

    PickerController& controller() { return controller_; }
    Surface& surface() { return controller_.surface(); }
    Picker& picker() { return controller_.picker(); }
    // Where the custom colours are read and written (tests point it at a folder of their own).
    void setUserColorsFile(const UserColorsFile& file) { userColorsFile_.setFile(file); }

    // Mouse input on the surface, in surface pixels (fractional where the platform says so).
    void onSurfacePressed(Qt::MouseButton button, double x, double y);
    void onSurfaceDragged(Qt::MouseButtons buttons, double x, double y);
    void onSurfaceReleased();

    // Picking from the screen and reading pasted or dropped codes (tests drive them directly).
    ScreenPicker& screenPicker() { return *screenPicker_; }
    PasteTarget& pasteTarget() { return *pasteTarget_; }

signals:
    // The window has been closed; the program decides whether it ends now.
    void unloaded();
    // The visit button: the owner's web site should open in the browser.
    void visitWebsiteClicked();
    // The About button: the About window should open.
    void aboutClicked();
    // F1, or "Help" in the picture's menu: the help window should open, whatever "Show at Startup"
    // says.
    void helpRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void startUp();
    void createControls();
    void setTabOrderByLayout();
    void wireControls();
    void apply(const PickerChange& change);
    void applyPresentation();
    // The band below About and Visit: the palette buttons, the contrast label and the notation row.
    void createBand();
    void layOutBand();
    void wirePalettes();
    void applyBand(const PickerChange& change);
    void onImportFileChosen(const QString& path);
    void onExportFileChosen(PaletteSource source, const QString& path, PaletteFormat format);
    // The contrast line's background and level (main_window_contrast.cpp).
    void wireContrast();
    void chooseBackground(Color background);
    void onBackgroundPasted();
    void onSwapWithBackground();
    void showMessage(const QString& text, QWidget* focusAfterwards);

    // What the user did, each handed to the controller.
    void onKeepClicked();
    void onPresetsClicked();
    void onModeChosen(PickerMode mode);
    void onHueTyped(const QString& text);
    void onSaturationTyped(const QString& text);
    void onBrightnessTyped(const QString& text);
    void onHueLeft();
    void onSwatchClicked(SwatchRef swatch);
    void onGridChosen(PresetGrid grid);
    void onAddClicked();
    void onSystemColorsChanged();
    void onVisitClicked();
    void onAboutClicked();

    // A colour from outside the window: the screen, the clipboard or a drop (main_window_outside.cpp).
    void createScreenPicking();
    void wirePaste();
    void onPickScreenClicked();
    void comeBackFromScreen();
    void onColorFromOutside(Color color);
    void showSurfaceMenu(QPoint position);
    // Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y, and Undo and Redo in the picture's menu (main_window_undo.cpp).
    void createUndo();
    // The grid's palette menu, when the grids are shown and `position` (on the surface) is on them.
    bool showGridMenuAt(QPoint position);

    const Branding branding_;
    DesktopSystemColors systemColors_;
    UserColorsFileStore userColorsFile_;
    PickerController controller_;
    HistoryStore historyStore_;
    bool messageOpen_ = false; // one message box at a time

    SurfaceView* view_ = nullptr;
    EntryPanel* entryPanel_ = nullptr; // Frame2
    HistoryStrip* historyStrip_ = nullptr; // Frame1 and Frame5
    PresetGridView* presetGrids_ = nullptr; // Frame3, cmbPreset, cmdADD
    OutputPanel* outputPanel_ = nullptr; // Frame4
    QPushButton* keepButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr; // "&Cancel", outside the client area, no action
    QPushButton* presetsButton_ = nullptr; // "Presets", then the Picker/Preset toggle
    QPushButton* visitButton_ = nullptr; // "Visit <web address>"
    QPushButton* aboutButton_ = nullptr;
    QPushButton* pickScreenButton_ = nullptr;
    QAction* helpAction_ = nullptr; // F1, window-wide, and "Help" in the picture's menu
    UndoActions* undoActions_ = nullptr;
    ScreenPicker* screenPicker_ = nullptr;
    PasteTarget* pasteTarget_ = nullptr;
    StatusNote* statusNote_ = nullptr; // lblNote: why a pasted text gave no colour
    PaletteControls* paletteControls_ = nullptr; // cmdImport, cmdExport and the palette menus
    ContrastLine* contrastLine_ = nullptr; // lblContrast, cmdSuggestion and their menu
    NotationRow* notationRow_ = nullptr; // cmbNotation, txtNotation, cmdCopyNotation
};

} // namespace pelmora
