// Val reads whatever the user types into an entry field: it must never crash, hit undefined
// behaviour or depend on anything but its text.

#include "color/number_text.h"
#include "color/rounding.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double first = pelmora::Val(text);
    const double second = pelmora::Val(text);
    if (std::memcmp(&first, &second, sizeof first) != 0 && !(std::isnan(first) && std::isnan(second)))
        std::abort();
    if (std::isnan(first))
        std::abort(); // no text spells NaN
    // The callers' conversions must be defined for every result.
    (void)pelmora::EvenNearest(first);
    (void)pelmora::EvenNearest16(first);
    (void)pelmora::FloorToInt(first);
    return 0;
}
