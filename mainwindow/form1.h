#pragma once
// The main window: the picker (field and slider, or a preset grid) painted on the window's own
// surface, the entry boxes, the Old/New swatches and history, and the output panel.
// Control members carry the names the rest of the program and the tests know them by; each control's
// objectName is the same name, with "_<index>" for the elements of a control array (txtColor_2).

#include "color/channels.h"
#include "color/code_formats.h"
#include "color/color_model.h"
#include "mainwindow/user_colors_file.h"
#include "picker/picker.h"
#include "picker/surface.h"
#include "platform/desktop_system_colors.h"
#include "windows/branding.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pelmora {

class SurfaceView;
class Swatch;

class Form1 final : public QWidget {
    Q_OBJECT
public:
    // Loading the window runs its start-up sequence; captions come from `branding`.
    explicit Form1(const Branding& branding = LoadBranding(), QWidget* parent = nullptr);
    ~Form1() override;

    // Public operations other windows and the tests use.
    void DrawPicker();
    void DrawSelFrame();
    void DrawMainFrame();
    void DrawSafePicker(int index, bool erase);
    void LoadColorDialog(Color color);
    void DrawColorReadout(Channels rgb, const std::string& hex);

    Surface& surface() { return surface_; }
    Picker& picker() { return picker_; }
    const ColorModel& colorModel() const { return model_; }
    bool fieldDragging() const { return FieldDragging; }
    const UserColorArray& userColors() const { return UserColors; }
    // Where the custom colours are read and written (tests point it at a folder of their own).
    void setUserColorsFile(const UserColorsFile& file) { userColorsFile_ = file; }
    bool sliderDragging() const { return SliderDragging; }

    // Mouse input on the surface, in surface pixels (fractional where the platform says so).
    void Form_MouseDown(Qt::MouseButton button, double x, double y);
    void Form_MouseMove(Qt::MouseButtons buttons, double x, double y);
    void Form_MouseUp(Qt::MouseButton button, double x, double y);

signals:
    // The window has been closed; the program decides whether it ends now.
    void unloaded();
    // The visit button: the owner's web site should open in the browser.
    void visitWebsiteClicked();
    // The About button: the About window should open.
    void aboutClicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Mode { Hue, Saturation, Brightness };

    // Start-up.
    void Form_Load();
    void CreateControls();
    void CreateEntryFrame();
    void CreateSwatchFrames();
    void CreateOutputPanel();
    void SystemColorsChanged();

    // Picking.
    Mode mode() const;
    Color Point(double x, double y) const;  // the surface pixel at the even-nearest position
    void PickFieldPoint(double x, double y);
    void PickSliderPoint(double x, double y);
    void ShowColorFromSB(std::int16_t saturation, std::int16_t brightness);
    void optH_Click();
    void optS_Click();
    void optB_Click();
    void MoveSliderMarker(float y);
    void MoveFieldMarker(int x, int y);
    Color HueColorAtSliderMarker(int column);
    void WriteChannelBoxes(Channels rgb);
    void SetNewColor(Color color);
    double BoxValue(const QLineEdit* box) const;
    // Shows what the handler drew: the view repaints from the surface when it is refreshed.
    void ShowDrawing() { surface_.Refresh(); }

    // Typed hue, saturation and brightness.
    bool HueIsWrong() const;
    void CheckHue(bool returnFocus);
    void txtH_KeyUp();
    void txtH_LostFocus();
    void txtS_KeyUp();
    void txtB_KeyUp();
    void ShowMarkerColor();
    void ShowMessage(const QString& text, QWidget* focusAfterwards);

    // Preset grids and the custom colours.
    void Command3_Click();
    void cmbPreset_Click();
    void PickPaletteCell(double x, double y, int kind);
    void cmdADD_Click();
    void LoadUserColors();
    void SaveUserColors();
    void PaintUserCell(int n);

    // History and swatches.
    void Command1_Click();
    void Swatch_Click(const Swatch* swatch);

    // Output panel.
    void ShowCodes(const ColorCodes& codes);
    void cmdCopy_Click(int index);
    void Command4_Click();
    void Command5_Click();

    const Branding branding_;
    DesktopSystemColors systemColors_;
    Surface surface_;
    Picker picker_;
    ColorModel model_;
    bool FieldDragging = false;
    bool SliderDragging = false;
    UserColorArray UserColors{};
    UserColorsFile userColorsFile_ = UserColorsFile::ForThisProgram();
    bool messageOpen_ = false;  // one message box at a time

    SurfaceView* view_ = nullptr;
    // Frames 1 to 3 have no caption and overlap the readout beside the picker; they are drawn as
    // plain containers without a border, so the readout's text stays clear of frame lines.
    QFrame* Frame1 = nullptr;  // Old / New swatches
    QFrame* Frame2 = nullptr;  // entry boxes and mode buttons; picker only
    QFrame* Frame3 = nullptr;  // the add swatch; grids only
    QGroupBox* Frame4 = nullptr;  // "Color Outputs"
    QGroupBox* Frame5 = nullptr;  // "Color History"
    QRadioButton* optH = nullptr;
    QRadioButton* optS = nullptr;
    QRadioButton* optB = nullptr;
    QLineEdit* txtH = nullptr;
    QLineEdit* txtS = nullptr;
    QLineEdit* txtB = nullptr;
    QLabel* lblH = nullptr;
    QLabel* lblS = nullptr;
    QLabel* lblBB = nullptr;
    QLineEdit* Text1 = nullptr;  // red
    QLineEdit* Text2 = nullptr;  // green
    QLineEdit* Text3 = nullptr;  // blue
    QLabel* lblR = nullptr;
    QLabel* lblG = nullptr;
    QLabel* lblB = nullptr;
    QLabel* Label1 = nullptr;  // "New"
    QLabel* Label3 = nullptr;  // "Old"
    Swatch* lblSelColor = nullptr;  // the New swatch
    Swatch* Label2 = nullptr;       // the Old swatch
    Swatch* lblADDColor = nullptr;  // the colour "Add" stores
    std::array<Swatch*, 18> hist{};
    QComboBox* cmbPreset = nullptr;
    QComboBox* cboSysColors = nullptr;  // system colour names, outside the client area
    QPushButton* cmdADD = nullptr;
    QPushButton* Command1 = nullptr;  // "Keep"
    QPushButton* Command2 = nullptr;  // "&Cancel", outside the client area, no action
    QPushButton* Command3 = nullptr;  // Picker/Preset toggle
    QPushButton* Command4 = nullptr;  // "Visit <web address>"
    QPushButton* Command5 = nullptr;  // "About this software"
    std::array<QLineEdit*, kCodeFieldCount> txtColor{};
    std::array<QLabel*, 5> lblCap{};
    std::array<QPushButton*, 4> cmdCopy{};
};

} // namespace pelmora
