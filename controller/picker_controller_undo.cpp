// The picker controller's undo and redo: which actions are steps, and the picker painted again as
// a snapshot says.

#include "controller/picker_controller.h"

#include <utility>

namespace pelmora {

PickerSnapshot PickerController::Snapshot() const
{
    PickerSnapshot snapshot;
    snapshot.choice = {model_.ChosenColor(), history_.newColor, channels_, texts_.all()};
    snapshot.mode = mode_;
    snapshot.kind = grids_.kind();
    snapshot.selectedCell = picker_.selectedCell();
    snapshot.picture = picker_.picture();
    if (readout_ && readout_->clears == surface_.clears())
        snapshot.readout = readout_->readout;
    return snapshot;
}

// A drag is one step from press to release, and the keys typed into one box one step until the box
// is done; anything else ends the typing first, so that it stays a step of its own.
void PickerController::RecordStep()
{
    const std::optional<EntryBox> typed = std::exchange(typedNow_, std::nullopt);
    if (typing_ && typed != typing_->box)
        CommitTyping();
    if (pressed_)
        return;
    if (typed)
        typing_ = Typing{*typed, Snapshot()};
    else
        Settle(Snapshot());
}

void PickerController::CommitTyping()
{
    if (!typing_)
        return;
    PickerSnapshot after = std::move(typing_->after);
    typing_.reset();
    Settle(std::move(after));
}

void PickerController::Settle(PickerSnapshot now)
{
    if (now.choice != settled_.choice)
        undo_.Record(std::move(settled_));
    settled_ = std::move(now);
}

void PickerController::TypingEnded() { CommitTyping(); }

bool PickerController::canUndo() const
{
    return !pressed_ && (undo_.canUndo() || (typing_ && typing_->after.choice != settled_.choice));
}

// Typing that changed the colour is a new step waiting to be recorded, which leaves nothing to redo.
bool PickerController::canRedo() const
{
    return !pressed_ && undo_.canRedo() && !(typing_ && typing_->after.choice != settled_.choice);
}

PickerChange PickerController::Undo()
{
    if (pressed_)
        return {};
    CommitTyping();
    return RestoreFrom(undo_.Undo(Snapshot()));
}

PickerChange PickerController::Redo()
{
    if (pressed_)
        return {};
    CommitTyping();
    return RestoreFrom(undo_.Redo(Snapshot()));
}

PickerChange PickerController::RestoreFrom(std::optional<PickerSnapshot> snapshot)
{
    if (snapshot) {
        Restore(*snapshot);
        settled_ = std::move(*snapshot);
    }
    // Not through TakeChange: going back is no new step.
    return std::exchange(change_, PickerChange{});
}

// Everything is written again, the boxes and the picture as well as the colour: the window shows
// the snapshot whatever it showed before.
void PickerController::Restore(const PickerSnapshot& snapshot)
{
    const PickerChoice& choice = snapshot.choice;
    model_.Restore(choice.chosen);
    ShowNew(choice.newColor);
    ShowChannels(choice.channels);
    texts_.Show(EntryBox::Hue, choice.texts[0], change_);
    texts_.Show(EntryBox::Saturation, choice.texts[1], change_);
    texts_.Show(EntryBox::Brightness, choice.texts[2], change_);
    mode_ = snapshot.mode;

    surface_.Clear();
    picker_.setSelectedCell(snapshot.selectedCell);
    if (snapshot.kind == PresetKind::Picker) {
        grids_.Close();
        picker_.PaintAgain(snapshot.picture);
    } else {
        picker_.setPicture(snapshot.picture);
        grids_.ShowAgain(snapshot.kind);
    }
    if (snapshot.readout)
        DrawColorReadout(snapshot.readout->rgb, snapshot.readout->hex);
    change_.surface = true;
    change_.presentation = true;
}

} // namespace pelmora
