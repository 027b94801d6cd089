#pragma once
// The eight code texts of the output panel (txtColor 0..7) for one colour value, the system
// colour recognition behind them, and the hexadecimal text of the readout.

#include "color/color.h"
#include "color/system_colors.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// Indices into ColorCodes::text (the txtColor control array).
enum CodeField : int {
    kFieldConstant = 0, // "vbYellow" or "N/A"
    kFieldQBColor = 1, // "QBColor(14)" or "QBColor(N/A)"
    kFieldRgb = 2, // "RGB(255, 255, 0)"
    kFieldDecimal = 3, // "65535"
    kFieldHtml = 4, // "#FFFF00"
    kFieldHex = 5, // "&H00FFFF&"
    kFieldSystemName = 6, // "vbButtonFace" or "N/A"
    kFieldSystemCode = 7, // "&H8000000F&" or "N/A"
};
inline constexpr int kCodeFieldCount = 8;

struct ColorCodes {
    std::array<std::string, kCodeFieldCount> text;
    // A field is enabled exactly when its text does not contain "N/A".
    std::array<bool, kCodeFieldCount> enabled{};
    // The selected entry of the system colour list, -1 for none.
    int sysColorSelection = -1;
    friend bool operator==(const ColorCodes&, const ColorCodes&) = default;
};

// The texts shown before the first colour is chosen (they describe no one colour).
ColorCodes InitialColorCodes();

// The codes of `current`: system colour recognition first; a system colour code is described by
// the colour the desktop currently gives it. Defined for every 32-bit value.
ColorCodes MakeColorCodes(Color current, const SystemColors& systemColors);
// The same, rewriting `codes` in place so that its strings keep their buffers (runs on every
// mouse move).
void WriteColorCodes(Color current, const SystemColors& systemColors, ColorCodes& codes);

// The texts of fields 2 to 5 for the colour value `v` (channels by mask), appended to `out`:
// "RGB(r, g, b)", the decimal value, "&H" BBGGRR "&" and "#" RRGGBB. The output panel and the
// notation list share these.
void AppendRgbCall(std::string& out, Color v);
void AppendDecimalValue(std::string& out, Color v);
void AppendHexLiteral(std::string& out, Color v);
void AppendHtmlColor(std::string& out, Color v);

// The system colour code (&H800000nn) of an RGB value equal to a system colour, lowest index
// first; -1 when none is; a negative argument is returned unchanged.
Color GetSysColorCode(Color color, const SystemColors& systemColors);

// RRGGBB of the readout. Each channel is its 16-bit hexadecimal text, at least two digits;
// a negative channel gives four two's-complement digits (-241 -> FF0F).
std::string GetHexVal(std::int16_t r, std::int16_t g, std::int16_t b);

// The 16-colour palette: QBColorTable[n] is the colour of QBColor(n).
extern const std::array<Color, 16> QBColorTable;
// Field 0's constant name of palette entry n, "N/A" for the entries that have none (1..8).
extern const std::array<std::string_view, 16> QBColorConstantNames;
// The palette entry whose colour is `color`, if any.
std::optional<int> QBColorIndexOf(Color color);

} // namespace pelmora
