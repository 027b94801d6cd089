#pragma once
// Undo and Redo of the picker as window-wide actions: Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y, greyed
// when there is nothing to undo or redo. In a box the user types into, the same keys undo and redo
// the typing in that box, as in any text box; everywhere else, the read-only code boxes included,
// they undo the picker.

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace pelmora {

class PickerController;

class UndoActions final : public QObject {
    Q_OBJECT
public:
    // The actions are added to `window`; its text boxes keep the keys for their own typing.
    explicit UndoActions(QWidget* window);

    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    // Greyed or not as the controller has a step to undo or redo.
    void follow(const PickerController& controller);
    // Undo and Redo at the head of a context menu, set apart from what follows.
    void addTo(QMenu& menu) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* undo_;
    QAction* redo_;
};

} // namespace pelmora
