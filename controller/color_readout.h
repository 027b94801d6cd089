#pragma once
// The small readout beside the picker: red, green, blue and the hexadecimal text of a colour.

#include "color/channels.h"
#include "picker/surface.h"

#include <string>

namespace pelmora {

// Writes the readout over a freshly erased box, so nothing of an earlier one remains.
void DrawColorReadout(Surface& surface, Channels rgb, const std::string& hex);

} // namespace pelmora
