#pragma once
// The text side of the output panel: which code field each Copy button copies, the captions of
// the visible code fields, and the lines of the readout beside the picker.

#include "color/channels.h"

#include <array>
#include <string>
#include <string_view>

namespace pelmora {

// The txtColor index copied by Copy button `cmdCopyIndex` (0 -> 2, 1 -> 4, 2 -> 3, 3 -> 5);
// -1 for an index that has no button.
int CopySourceField(int cmdCopyIndex);

// The caption lblCap `lblCapIndex` (0 "QBColor Code:" is the hidden one; 1..4 the visible
// "RGB Color Code:", "Decimal Color Code:", "HTML Color Code:", "VB Hex Color Code:").
inline constexpr std::array<std::string_view, 5> kCodeCaptions = {
    "QBColor Code:",
    "RGB Color Code:",
    "Decimal Color Code:",
    "HTML Color Code:",
    "VB Hex Color Code:",
};

// One visible cell of the panel's 2 x 2 grid.
struct VisibleCode {
    int caption; // lblCap index
    int field; // txtColor index
    int copy; // cmdCopy index
};
inline constexpr std::array<VisibleCode, 4> kVisibleCodes = {{
    {1, 2, 0}, // RGB call text
    {2, 3, 2}, // decimal value
    {3, 4, 1}, // HTML colour
    {4, 5, 3}, // hexadecimal literal
}};

// "R: 255", "G: 255", "B: 0", "Hex: #FFFF00": channels as given, negative ones included.
std::array<std::string, 4> ReadoutLines(Channels channels, std::string_view hex);

} // namespace pelmora
