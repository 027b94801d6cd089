#include "mainwindow/main_window.h"

#include "mainwindow/accessible_parts.h"
#include "mainwindow/contrast_label.h"
#include "mainwindow/contrast_line.h"
#include "mainwindow/control_factory.h"
#include "mainwindow/entry_panel.h"
#include "mainwindow/history_strip.h"
#include "mainwindow/notation_row.h"
#include "mainwindow/output_panel.h"
#include "mainwindow/preset_grid_view.h"
#include "mainwindow/status_note.h"
#include "mainwindow/undo_actions.h"
#include "platform/surface_view.h"
#include "platform/text_painter.h"
#include "platform/twips.h"
#include "platform/window_font.h"
#include "platform/window_icon.h"

#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace pelmora {

MainWindow::MainWindow(const Branding& branding, QWidget* parent)
    : QWidget(parent)
    , branding_(branding)
    , controller_(systemColors_, userColorsFile_)
{
    setObjectName(QStringLiteral("Form1"));
    InstallAccessibleParts();
    startUp();
}

MainWindow::~MainWindow()
{
    // A box losing the focus as the window goes says it is done with typing; by then there is no
    // controller left to tell.
    entryPanel_->blockSignals(true);
}

void MainWindow::startUp()
{
    // The window's own font, bold, at a fixed pixel size so that every display lays it out alike.
    setFont(WindowFont(11, true));
    setFixedSize(ClientWidth, ClientHeight);

    Surface& surface = controller_.surface();
    const QColor background = palette().color(QPalette::Window);
    surface.setBackground(RGB(background.red(), background.green(), background.blue()));
    surface.Clear();
    surface.setTextPainter(MakeReadoutTextPainter());
    connect(&systemColors_, &DesktopSystemColors::changed, this, [this] { onSystemColorsChanged(); });
    createControls();
    wireControls();
    createScreenPicking();
    wirePaste();
    createUndo();
    layOutBand();
    // A notation that gives no code says why where a keyboard user sees it too, also when it was
    // chosen in an earlier run.
    connect(notationRow_, &NotationRow::unusable, statusNote_, &StatusNote::showNote);
    if (!notationRow_->problem().isEmpty())
        statusNote_->showNote(notationRow_->problem());
    setTabOrderByLayout();

    // The branding record names the window, its icon and the visit button.
    ApplyWindowIcon(this, QString::fromLatin1(kProgramIconGroup), true);
    setWindowTitle(branding_.programName + QStringLiteral(" by ") + branding_.ownerName);
    visitButton_->setText(QStringLiteral("Visit ") + branding_.website);
    // The grid cells and the picture format are fixed at compile time; the list of grids is filled
    // here, and the picker starts in Hue mode on pure red with the first grid cell selected.
    presetGrids_->addGrids();
    apply(controller_.Start());
    apply(controller_.SetHistory(historyStore_.load()));
    // The help window comes last, over the finished window: the application opens it.
}

// Controls are created in their stacking and tab order: a later one lies above an earlier one.
void MainWindow::createControls()
{
    view_ = new SurfaceView(controller_.surface(), this);
    view_->setObjectName(QStringLiteral("surface"));
    view_->setGeometry(0, 0, ClientWidth, ClientHeight);
    view_->setAccessibleName(tr("Colour picker"));
    view_->setAccessibleDescription(tr("The arrow keys move the selection"));

    keepButton_ = MakeControl<QPushButton>(this, "Command1", TwipsRect(4560, 60, 1245, 885), tr("Keep"));
    presetsButton_ = MakeControl<QPushButton>(this, "Command3", TwipsRect(5880, 60, 1245, 885), tr("Presets"));
    cancelButton_ = MakeControl<QPushButton>(this, "Command2", TwipsRect(7740, 4560, 825, 405), tr("&Cancel"));
    // Outside the visible area: no tab stop, and hidden from assistive technology as from the eye.
    cancelButton_->setFocusPolicy(Qt::NoFocus);
    cancelButton_->hide();
    aboutButton_
        = MakeControl<QPushButton>(this, "Command5", TwipsRect(60, 6000, 3495, 675), tr("About this software"));
    visitButton_ = MakeControl<QPushButton>(this, "Command4", TwipsRect(3660, 6000, 3495, 675), QString());

    historyStrip_ = new HistoryStrip(this, systemColors_);
    entryPanel_ = new EntryPanel(this);
    presetGrids_ = new PresetGridView(this, systemColors_);
    outputPanel_ = new OutputPanel(this);
    presetGrids_->showAddColor(controller_.history().addColor);

    createBand();
    view_->lower();
}

// Tab follows the layout: the picker, the controls beside it (the entry boxes, or the grid's), Keep
// and Presets, the swatches, each code with its Copy button, About and Visit, then the band below them.
// Hidden controls are skipped by Tab itself.
void MainWindow::setTabOrderByLayout()
{
    QList<QWidget*> order{view_};
    order << entryPanel_->tabChain() << presetGrids_->tabChain();
    order << keepButton_ << presetsButton_ << historyStrip_->tabChain();
    order << outputPanel_->tabChain();
    order << aboutButton_ << visitButton_;
    // The band below them, left to right and top to bottom.
    order << pickScreenButton_ << paletteControls_->importButton() << paletteControls_->exportButton()
          << notationRow_->tabChain() << contrastLine_->tabChain();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::wireControls()
{
    connect(view_, &SurfaceView::surfaceMousePressed, this,
        [this](double x, double y, Qt::MouseButton button) { onSurfacePressed(button, x, y); });
    connect(view_, &SurfaceView::surfaceMouseMoved, this,
        [this](double x, double y, Qt::MouseButtons buttons) { onSurfaceDragged(buttons, x, y); });
    connect(view_, &SurfaceView::surfaceMouseReleased, this, [this] { onSurfaceReleased(); });
    connect(view_, &SurfaceView::surfaceArrowPressed, this,
        [this](int dx, int dy) { apply(controller_.ArrowPressed(dx, dy)); });
    // The frames beside and below the picker reach into its mouse area (the slider's reaches 11
    // pixels past its right edge and 3 below its bottom): there the picker takes the clicks.
    const QRect pickerMouseArea(QPoint(FieldLeft, SliderTop - 2), QPoint(SliderRight + 10, SliderBottom + 2));
    QList<QWidget*> frames = historyStrip_->framesOverPicker();
    frames << entryPanel_ << presetGrids_->framesOverPicker();
    for (QWidget* frame : frames)
        view_->takeMouseFrom(frame, pickerMouseArea);

    connect(keepButton_, &QPushButton::clicked, this, &MainWindow::onKeepClicked);
    connect(presetsButton_, &QPushButton::clicked, this, &MainWindow::onPresetsClicked);
    connect(visitButton_, &QPushButton::clicked, this, &MainWindow::onVisitClicked);
    connect(aboutButton_, &QPushButton::clicked, this, &MainWindow::onAboutClicked);
    helpAction_ = new QAction(tr("&Help"), this);
    helpAction_->setObjectName(QStringLiteral("helpAction"));
    helpAction_->setShortcut(QKeySequence(Qt::Key_F1));
    helpAction_->setShortcutContext(Qt::WindowShortcut);
    helpAction_->setShortcutVisibleInContextMenu(true);
    addAction(helpAction_);
    connect(helpAction_, &QAction::triggered, this, &MainWindow::helpRequested);

    connect(entryPanel_, &EntryPanel::modeClicked, this, &MainWindow::onModeChosen);
    connect(entryPanel_, &EntryPanel::boxEdited, this,
        [this](EntryBox box, const QString& text) { controller_.BoxEdited(box, text.toStdString()); });
    connect(entryPanel_, &EntryPanel::hueTyped, this, &MainWindow::onHueTyped);
    connect(entryPanel_, &EntryPanel::saturationTyped, this, &MainWindow::onSaturationTyped);
    connect(entryPanel_, &EntryPanel::brightnessTyped, this, &MainWindow::onBrightnessTyped);
    connect(entryPanel_, &EntryPanel::hueLeft, this, &MainWindow::onHueLeft);

    connect(historyStrip_, &HistoryStrip::swatchClicked, this, &MainWindow::onSwatchClicked);
    connect(presetGrids_, &PresetGridView::gridChosen, this, &MainWindow::onGridChosen);
    connect(presetGrids_, &PresetGridView::addClicked, this, &MainWindow::onAddClicked);
    connect(presetGrids_, &PresetGridView::addSwatchClicked, this, [this] {
        onSwatchClicked({SwatchRef::Kind::Add, 0});
    });
    wirePalettes();
}

// Every view is brought up to date from the controller here, and only here.
void MainWindow::apply(const PickerChange& change)
{
    if (change.hueText)
        entryPanel_->showText(EntryBox::Hue, *change.hueText);
    if (change.saturationText)
        entryPanel_->showText(EntryBox::Saturation, *change.saturationText);
    if (change.brightnessText)
        entryPanel_->showText(EntryBox::Brightness, *change.brightnessText);
    if (change.channels)
        entryPanel_->showChannels(*change.channels);
    if (change.codes)
        outputPanel_->showCodes(controller_.colorModel().codes());
    applyBand(change);
    if (change.swatches) {
        historyStore_.saveIfChanged(controller_.history().kept);
        historyStrip_->show(controller_.history());
        presetGrids_->showAddColor(controller_.history().addColor);
    }
    if (change.presentation)
        applyPresentation();
    if (change.surface)
        view_->update();
    if (change.message) {
        QWidget* focusAfterwards = change.message->returnFocusToHue ? entryPanel_->hueBox() : nullptr;
        showMessage(QString::fromStdString(change.message->text), focusAfterwards);
    }
    // Changes applied while the window is being wired come before the undo actions exist.
    if (undoActions_)
        undoActions_->follow(controller_);
}

// The entry boxes go with the picker, the grid controls with the grids.
void MainWindow::applyPresentation()
{
    const PresetKind kind = controller_.presetKind();
    entryPanel_->setVisible(kind == PresetKind::Picker);
    entryPanel_->showMode(controller_.mode());
    presetsButton_->setText(kind == PresetKind::Picker ? QStringLiteral("&Preset") : QStringLiteral("&Picker"));
    presetGrids_->showPresentation(kind);
    paletteControls_->showPresentation(kind);
}

void MainWindow::showMessage(const QString& text, QWidget* focusAfterwards)
{
    // Key release and focus loss can both ask at once: one box at a time, never a box in a box.
    if (messageOpen_)
        return;
    messageOpen_ = true;
    auto* box = new QMessageBox(QMessageBox::NoIcon, branding_.programName, text, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("messageBox"));
    box->setTextFormat(Qt::PlainText); // file names in messages are text, never markup
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

void MainWindow::onSurfacePressed(Qt::MouseButton button, double x, double y)
{
    if (button == Qt::LeftButton)
        apply(controller_.LeftPressed(x, y));
}

void MainWindow::onSurfaceDragged(Qt::MouseButtons buttons, double x, double y)
{
    if (buttons == Qt::LeftButton)
        apply(controller_.LeftDragged(x, y));
}

void MainWindow::onSurfaceReleased() { apply(controller_.Released()); }

void MainWindow::onKeepClicked() { apply(controller_.KeepClicked()); }

void MainWindow::onPresetsClicked() { apply(controller_.PresetsClicked()); }

void MainWindow::onModeChosen(PickerMode mode) { apply(controller_.ModeChosen(mode)); }

void MainWindow::onHueTyped(const QString& text) { apply(controller_.HueTyped(text.toStdString())); }

void MainWindow::onSaturationTyped(const QString& text) { apply(controller_.SaturationTyped(text.toStdString())); }

void MainWindow::onBrightnessTyped(const QString& text) { apply(controller_.BrightnessTyped(text.toStdString())); }

void MainWindow::onSwatchClicked(SwatchRef swatch) { apply(controller_.SwatchClicked(swatch)); }

void MainWindow::onGridChosen(PresetGrid grid) { apply(controller_.GridChosen(grid)); }

void MainWindow::onAddClicked() { apply(controller_.AddClicked()); }

void MainWindow::onHueLeft()
{
    if (!messageOpen_)
        apply(controller_.HueLeft());
}

// A new desktop theme: the frames, the grid highlight and the swatches take its colours now; the
// code fields follow at their next refresh.
void MainWindow::onSystemColorsChanged()
{
    apply(controller_.SystemColorsChanged());
    historyStrip_->repaint();
    presetGrids_->repaint();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Nothing is asked and nothing is saved: closing always proceeds.
    event->accept();
    emit unloaded();
}

void MainWindow::onVisitClicked() { emit visitWebsiteClicked(); }

void MainWindow::onAboutClicked() { emit aboutClicked(); }

} // namespace pelmora
