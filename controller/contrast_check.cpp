#include "controller/contrast_check.h"

namespace pelmora {

bool ContrastCheck::SetBackground(Color background)
{
    if (!background.isRgb())
        return false;
    background_ = background;
    return true;
}

bool ContrastCheck::SetAim(const SuggestionLevel& level)
{
    if (level.name != kAimAA.name && level.name != kAimAAA.name)
        return false;
    aim_ = level;
    return true;
}

ContrastReading ContrastCheck::Read(Color current) const
{
    ContrastReading reading{ContrastOf(current, background_), std::nullopt};
    const ContrastSuggestion found = NearestPassingColor(current, background_, aim_.minimum);
    if (found.outcome == ContrastSuggestion::Outcome::Found)
        reading.suggestion = found.color;
    return reading;
}

} // namespace pelmora
