#pragma once
// The colour history kept between runs: one settings value, [History] colors (history_text.h),
// written whole whenever the history changes. Two running copies each write their whole history, so
// the last write wins and no copy is left with half of another's.

#include "platform/history_text.h"

namespace pelmora {

class HistoryStore {
public:
    // The stored history, or 18 black swatches when none is stored or the store cannot be read.
    HistoryColors load();
    // Writes `colors` unless they are what was loaded or saved last; a store that cannot be
    // written leaves the history as it is in the window, and the next change tries again.
    void saveIfChanged(const HistoryColors& colors);

private:
    HistoryColors lastStored_{};
};

} // namespace pelmora
