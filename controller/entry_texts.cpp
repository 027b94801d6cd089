#include "controller/entry_texts.h"

#include "color/number_text.h"

#include <cmath>

namespace pelmora {

double EntryTexts::value(EntryBox box) const { return Val(text(box)); }

void EntryTexts::Write(EntryBox box, int value, PickerChange& change) { Show(box, std::to_string(value), change); }

void EntryTexts::Show(EntryBox box, std::string text, PickerChange& change)
{
    std::optional<std::string>* const noted[] = {&change.hueText, &change.saturationText, &change.brightnessText};
    *noted[Index(box)] = text;
    set(box, std::move(text));
}

std::optional<UserMessage> EntryTexts::CheckHue(bool returnFocusToHue) const
{
    const double hue = value(EntryBox::Hue);
    if (hue < 0 || hue > 360 || hue != std::floor(hue))
        return UserMessage{"Enter an Integer Value Between 0 and 360", returnFocusToHue};
    return std::nullopt;
}

} // namespace pelmora
