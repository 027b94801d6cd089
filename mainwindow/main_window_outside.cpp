// The main window's ways of taking a colour from outside itself: picking it from the screen, and
// reading a code from the clipboard or from text dropped on the window. Every colour that arrives
// so becomes current by one road, PickerController::ExactColorChosen.

#include "mainwindow/main_window.h"

#include "mainwindow/control_factory.h"
#include "mainwindow/notation_row.h"
#include "mainwindow/paste_target.h"
#include "mainwindow/status_note.h"
#include "mainwindow/undo_actions.h"
#include "platform/surface_view.h"
#include "screen/screen_picker.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace pelmora {
namespace {

constexpr QKeyCombination kPickKey(Qt::ControlModifier, Qt::Key_E);

// On X11 a text box claims Ctrl+E ("to the end of the line", as in a terminal) before the
// window's shortcuts are looked up; for the boxes of this window the pick goes first, as the tool
// tip and the help promise. End still takes the cursor to the end of the line.
class PickKeyFirst final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride || static_cast<QKeyEvent*>(event)->keyCombination() != kPickKey)
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

// In the band below About and Visit, at its left end (layOutBand places it); the window keeps its size.
void MainWindow::createScreenPicking()
{
    pickScreenButton_ = MakeControl<QPushButton>(this, "cmdPickScreen", QRect(), tr("Pick from Screen"));
    pickScreenButton_->setAccessibleName(tr("Pick from Screen"));
    pickScreenButton_->setAccessibleDescription(tr("Picks a colour from anywhere on the screen with a loupe"));
    pickScreenButton_->setToolTip(tr("Pick a colour from anywhere on the screen (Ctrl+E)"));
    // Window-wide, as every shortcut of a button.
    pickScreenButton_->setShortcut(QKeySequence(kPickKey));
    auto* pickKeyFirst = new PickKeyFirst(this);
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->installEventFilter(pickKeyFirst);

    screenPicker_ = new ScreenPicker(this);
    connect(pickScreenButton_, &QPushButton::clicked, this, &MainWindow::onPickScreenClicked);
    connect(screenPicker_, &ScreenPicker::picked, this, [this](Color color) {
        comeBackFromScreen();
        onColorFromOutside(color);
    });
    // Cancelling changes nothing and says nothing.
    connect(screenPicker_, &ScreenPicker::cancelled, this, &MainWindow::comeBackFromScreen);
    connect(screenPicker_, &ScreenPicker::failed, this, [this](const QString& message) {
        comeBackFromScreen();
        showMessage(message, pickScreenButton_);
    });
    // Why the portal picks without the loupe: on the note line, where it is still there afterwards.
    connect(screenPicker_, &ScreenPicker::noted, this, [this](const QString& note) { statusNote_->showNote(note); });
}

void MainWindow::wirePaste()
{
    statusNote_ = MakeControl<StatusNote>(this, "lblNote", QRect()); // the band's last line
    pasteTarget_ = new PasteTarget(this, systemColors_);
    connect(pasteTarget_, &PasteTarget::colorRead, this, [this](Color color) {
        statusNote_->clearNote();
        onColorFromOutside(color);
    });
    // A mistake in a paste is noted, not answered: no box to close for every wrong text.
    connect(pasteTarget_, &PasteTarget::unreadable, statusNote_, &StatusNote::showNote);
    connect(notationRow_, &NotationRow::unsaved, statusNote_, &StatusNote::showNote);
    connect(pasteTarget_, &PasteTarget::remarked, statusNote_, &StatusNote::showNote);

    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this, &MainWindow::showSurfaceMenu);
}

// On a grid the grid's palette menu; anywhere else on the picture Undo, Redo, Paste, Pick from
// Screen and Help.
void MainWindow::showSurfaceMenu(QPoint position)
{
    if (showGridMenuAt(position))
        return;
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("surfaceMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    undoActions_->addTo(*menu);
    menu->addAction(pasteTarget_->pasteAction());
    QAction* pick = menu->addAction(tr("Pick from &Screen"), this, &MainWindow::onPickScreenClicked);
    pick->setShortcut(pickScreenButton_->shortcut()); // shown beside the entry; the button holds the key
    pick->setShortcutVisibleInContextMenu(true);
    pasteTarget_->pasteAction()->setShortcutVisibleInContextMenu(true);
    menu->addSeparator();
    menu->addAction(helpAction_);
    menu->popup(view_->mapToGlobal(position));
}

// The picker takes the program's windows off the screen so that the loupe reads what lies under
// them, and brings them back where they were whatever the outcome.
void MainWindow::onPickScreenClicked()
{
    if (screenPicker_->isActive())
        return;
    // The loupe writes the code the band would show.
    screenPicker_->setCodeWriter(notationRow_->codeWriter());
    screenPicker_->start();
}

void MainWindow::comeBackFromScreen()
{
    show(); // (the picker has brought it back where it was; this only makes sure)
    raise();
    activateWindow();
}

void MainWindow::onColorFromOutside(Color color) { apply(controller_.ExactColorChosen(color)); }

} // namespace pelmora
