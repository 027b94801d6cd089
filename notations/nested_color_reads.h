#pragma once
// Where the colour functions nested in a read began and how each ended. The search for colours
// among the words of a text starts a read at each of them again: without this record a broken
// nesting (twenty levels of `lch(from ` and no end) is read once for every level, with it once.

#include "notations/css_color.h"

#include <array>
#include <cstddef>

namespace pelmora {

class NestedColorReads {
public:
    // No defaults: the record is made for every text read, and only the reads begun are looked at.
    struct Read {
        const char* start; // the function's name
        const char* end; // right after its ')', when it read
        bool read;
        bool known; // finished, and not stopped by the nesting limit
    };
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    // A read starting at `start` begins; kNone when it is not recorded (one at or before the last
    // recorded start, or too many). Reads are begun in the order of the text, inner ones later.
    std::size_t begin(const char* start);
    // How it ended. One that stopped at the nesting limit stays unknown: on its own it would have
    // more levels to go.
    void end(std::size_t index, const Read& read);
    // What a read starting at `start` gave, or null when nothing is known of one there.
    const Read* find(const char* start) const;

    // The colour a read starting at `start` gave, read to be shown. Only the one starting first in
    // the text is kept: the search among words needs the value of its first colour alone, and
    // counts the others.
    void offerColor(const char* start, const CssColor& color);
    // That colour, when the one kept starts at `start` and its read is known.
    const CssColor* colorAt(const char* start) const;

private:
    // A text under 200 characters holds at most 50 calls of colour functions.
    std::array<Read, 64> reads_;
    std::size_t count_ = 0;
    const char* colorStart_ = nullptr;
    CssColor color_;
};

} // namespace pelmora
