#pragma once
// The contrast line's choices kept between runs: [Contrast] background=#rrggbb and aim=AA or AAA.
// A value that is missing or damaged reads as the first-start choice (white, AA) and is left in
// the file as it is: only the user's next choice writes there.

#include "controller/contrast_check.h"

#include <QString>

namespace pelmora {

struct ContrastChoice {
    Color background = Color::white();
    SuggestionLevel aim = kAimAA;
};

ContrastChoice LoadContrastChoice();
// Each returns whether the value reached the file; when not, `error` says why.
bool SaveContrastBackground(Color background, QString* error = nullptr);
bool SaveContrastAim(const SuggestionLevel& aim, QString* error = nullptr);

} // namespace pelmora
