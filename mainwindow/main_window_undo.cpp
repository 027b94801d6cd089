// The main window's undo and redo: the keys and the menu entries hand them to the controller,
// which keeps the steps; the window applies what comes back like any other change.

#include "mainwindow/entry_panel.h"
#include "mainwindow/main_window.h"
#include "mainwindow/undo_actions.h"

#include <QAction>

namespace pelmora {

void MainWindow::createUndo()
{
    undoActions_ = new UndoActions(this);
    connect(undoActions_->undoAction(), &QAction::triggered, this, [this] { apply(controller_.Undo()); });
    connect(undoActions_->redoAction(), &QAction::triggered, this, [this] { apply(controller_.Redo()); });
    // What was typed into a box is one step once the box is done with.
    connect(entryPanel_, &EntryPanel::typingEnded, this, [this] {
        controller_.TypingEnded();
        undoActions_->follow(controller_);
    });
}

} // namespace pelmora
