#include "mainwindow/undo_actions.h"

#include "controller/picker_controller.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>

namespace pelmora {
namespace {

const QKeySequence kUndoKey(Qt::ControlModifier | Qt::Key_Z);
const QList<QKeySequence> kRedoKeys{
    QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z), QKeySequence(Qt::ControlModifier | Qt::Key_Y)};

QAction* MakeAction(QWidget* window, const QString& text, const char* name, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(text, window);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    action->setEnabled(false);
    window->addAction(action);
    return action;
}

} // namespace

UndoActions::UndoActions(QWidget* window)
    : QObject(window)
    , undo_(MakeAction(window, tr("&Undo"), "undoAction", {kUndoKey}))
    , redo_(MakeAction(window, tr("&Redo"), "redoAction", kRedoKeys))
{
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

void UndoActions::follow(const PickerController& controller)
{
    undo_->setEnabled(controller.canUndo());
    redo_->setEnabled(controller.canRedo());
}

void UndoActions::addTo(QMenu& menu) const
{
    menu.addAction(undo_);
    menu.addAction(redo_);
    menu.addSeparator();
}

// A box takes the keys before the window's shortcuts see them. Where the desktop's key table does
// not make one of them the box's own undo or redo (Ctrl+Y is redo on some desktops only), it is
// done here; the key press still reaches the box, which counts it as typed.
bool UndoActions::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    const QEvent::Type type = event->type();
    if (!box || box->isReadOnly() || (type != QEvent::ShortcutOverride && type != QEvent::KeyPress))
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const QKeySequence key(keyEvent->keyCombination());
    const bool undo = key == kUndoKey;
    if (!undo && !kRedoKeys.contains(key))
        return false;
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (!keyEvent->matches(undo ? QKeySequence::Undo : QKeySequence::Redo)) {
        if (undo)
            box->undo();
        else
            box->redo();
    }
    return false;
}

} // namespace pelmora
