#include "notations/nested_color_reads.h"

#include <algorithm>

namespace pelmora {

std::size_t NestedColorReads::begin(const char* start)
{
    if (count_ == reads_.size() || (count_ > 0 && reads_[count_ - 1].start >= start))
        return kNone;
    reads_[count_].start = start;
    reads_[count_].known = false;
    return count_++;
}

void NestedColorReads::end(std::size_t index, const Read& read)
{
    if (index != kNone)
        reads_[index] = read;
}

const NestedColorReads::Read* NestedColorReads::find(const char* start) const
{
    const auto last = reads_.begin() + static_cast<std::ptrdiff_t>(count_);
    const auto at
        = std::lower_bound(reads_.begin(), last, start, [](const Read& read, const char* s) { return read.start < s; });
    return at != last && at->start == start && at->known ? &*at : nullptr;
}

void NestedColorReads::offerColor(const char* start, const CssColor& color)
{
    if (colorStart_ == nullptr || start < colorStart_) {
        colorStart_ = start;
        color_ = color;
    }
}

const CssColor* NestedColorReads::colorAt(const char* start) const
{
    if (start != colorStart_)
        return nullptr;
    const Read* read = find(start);
    return read && read->read ? &color_ : nullptr;
}

} // namespace pelmora
