#pragma once
// The swatches: New and Old, the colour history that "Keep" fills, and the colour "Add" stores.
// Only the history is kept between runs (history_store.h); the rest lives as long as the window.

#include "color/color.h"

#include <array>
#include <cstddef>

namespace pelmora {

inline constexpr int kHistoryLength = 18;

// One of the swatches a click describes: New, Old, the add colour or history element `index`.
struct SwatchRef {
    enum class Kind { New, Old, Add, History };
    Kind kind = Kind::New;
    int index = 0;
};

struct ColorHistory {
    Color newColor = Color::black(); // every pick ends here
    Color oldColor = Color::black(); // the colour kept last
    std::array<Color, kHistoryLength> kept{}; // newest first
    Color addColor = Color::black(); // set when the grids open

    Color colorOf(SwatchRef swatch) const
    {
        switch (swatch.kind) {
        case SwatchRef::Kind::New:
            return newColor;
        case SwatchRef::Kind::Old:
            return oldColor;
        case SwatchRef::Kind::Add:
            return addColor;
        case SwatchRef::Kind::History:
            break;
        }
        return kept.at(static_cast<std::size_t>(swatch.index));
    }

    // The New colour becomes the Old one and the newest of the history; the oldest drops out.
    // Keeping a colour twice keeps it twice.
    void Keep()
    {
        oldColor = newColor;
        for (std::size_t i = kept.size() - 1; i > 0; --i)
            kept[i] = kept[i - 1];
        kept[0] = newColor;
    }
};

} // namespace pelmora
