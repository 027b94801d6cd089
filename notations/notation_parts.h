#pragma once
// The formatters and readers behind the notation table, one family per file.

#include "color/color.h"
#include "notations/read_result.h"

#include <string>
#include <string_view>

namespace pelmora::notation_parts {

// The four codes of the output panel (panel_notations.cpp).
bool FormatRgbCall(Color color, std::string& out);
ReadResult ReadRgbCall(std::string_view text);
bool FormatDecimal(Color color, std::string& out);
ReadResult ReadDecimal(std::string_view text);
bool FormatHexLiteral(Color color, std::string& out);
ReadResult ReadHexLiteral(std::string_view text);
bool FormatHtml(Color color, std::string& out);
ReadResult ReadHtml(std::string_view text);

// CSS Color 4 (css_notations.cpp).
bool FormatCssHex(Color color, std::string& out);
ReadResult ReadCssHex(std::string_view text);
bool FormatCssRgb(Color color, std::string& out);
bool FormatCssRgbLegacy(Color color, std::string& out);
ReadResult ReadCssRgb(std::string_view text); // both syntaxes, rgb() and rgba()
bool FormatHsl(Color color, std::string& out);
ReadResult ReadHsl(std::string_view text);
bool FormatHwb(Color color, std::string& out);
ReadResult ReadHwb(std::string_view text);
bool FormatLab(Color color, std::string& out);
ReadResult ReadLab(std::string_view text);
bool FormatLch(Color color, std::string& out);
ReadResult ReadLch(std::string_view text);
bool FormatOklab(Color color, std::string& out);
ReadResult ReadOklab(std::string_view text);
bool FormatOklch(Color color, std::string& out);
ReadResult ReadOklch(std::string_view text);
bool FormatColorSrgb(Color color, std::string& out);
bool FormatColorDisplayP3(Color color, std::string& out);
ReadResult ReadColorFunction(std::string_view text); // every space color() takes
bool FormatCssName(Color color, std::string& out);
ReadResult ReadCssName(std::string_view text);

// Programming literals (literal_notations.cpp).
bool FormatHex0x(Color color, std::string& out);
ReadResult ReadHex0x(std::string_view text);
bool FormatAndroid(Color color, std::string& out);
ReadResult ReadAndroid(std::string_view text);
bool FormatQColor(Color color, std::string& out);
ReadResult ReadQColor(std::string_view text);
bool FormatFloats(Color color, std::string& out);
ReadResult ReadFloats(std::string_view text);

} // namespace pelmora::notation_parts
