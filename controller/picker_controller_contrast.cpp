// The picker controller's contrast line: the background it compares with and the level it aims at.

#include "controller/picker_controller.h"

namespace pelmora {

PickerChange PickerController::BackgroundChosen(Color background)
{
    change_.contrast = contrast_.SetBackground(background);
    return TakeChange();
}

PickerChange PickerController::ContrastAimChosen(const SuggestionLevel& level)
{
    change_.contrast = contrast_.SetAim(level);
    return TakeChange();
}

} // namespace pelmora
