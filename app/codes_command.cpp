#include "app/codes_command.h"

#include "app/checked_output.h"
#include "app/terminal_text.h"

#include "color/code_formats.h"
#include "color/notation.h"
#include "color/system_colors.h"

#include <array>
#include <charconv>
#include <ostream>
#include <string>
#include <vector>

namespace pelmora {

const std::string_view kCodesUsage =
    "Usage: pelmora codes [--json] VALUE...\n"
    "\n"
    "Prints the colour codes of each VALUE as the output panel shows them:\n"
    "  Constant, QBColor, RGB, Decimal, HTML, Hex, System name, System code\n"
    "one per line, with a blank line between values. System colours use a fixed\n"
    "light theme, not the desktop's.\n"
    "\n"
    "VALUE may be written as\n"
    "  65535, -1, -2147483633   decimal colour value (signed 32-bit)\n"
    "  #RRGGBB                  HTML colour\n"
    "  &HBBGGRR& or &HBBGGRR    hexadecimal literal (&H8000000F& is a system colour)\n"
    "  'RGB(r, g, b)'           each 0 to 255\n"
    "  'QBColor(n)'             n 0 to 15\n"
    "  vbYellow, vbButtonFace   a colour constant or system colour name\n"
    "\n"
    "--json prints a JSON array with one object per readable VALUE, keys:\n"
    "  \"input\", \"constant\", \"qbcolor\", \"rgb\", \"decimal\", \"html\", \"hex\",\n"
    "  \"systemName\", \"systemCode\" (all strings, the texts above).\n"
    "\n"
    "Exit status: 0; 1 when the output could not be written; 2 when a VALUE could not be\n"
    "read (the others are still printed).\n";

namespace {

struct CodeLabel {
    CodeField field;
    std::string_view text;
    std::string_view jsonKey;
};

constexpr std::array<CodeLabel, kCodeFieldCount> kLabels = {{
    {kFieldConstant, "Constant", "constant"},
    {kFieldQBColor, "QBColor", "qbcolor"},
    {kFieldRgb, "RGB", "rgb"},
    {kFieldDecimal, "Decimal", "decimal"},
    {kFieldHtml, "HTML", "html"},
    {kFieldHex, "Hex", "hex"},
    {kFieldSystemName, "System name", "systemName"},
    {kFieldSystemCode, "System code", "systemCode"},
}};

void WriteJsonString(std::ostream& out, std::string_view text)
{
    constexpr char kHex[] = "0123456789abcdef";
    out << '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (byte < 0x20) {
            out << "\\u00" << kHex[byte >> 4] << kHex[byte & 0xF];
        } else {
            out << c;
        }
    }
    out << '"';
}

void WriteText(std::ostream& out, const ColorCodes& codes)
{
    for (const CodeLabel& label : kLabels)
        out << label.text << ": " << codes.text[label.field] << '\n';
}

void WriteJson(std::ostream& out, std::string_view input, const ColorCodes& codes)
{
    out << "  {\"input\": ";
    WriteJsonString(out, input);
    for (const CodeLabel& label : kLabels) {
        out << ", ";
        WriteJsonString(out, label.jsonKey);
        out << ": ";
        WriteJsonString(out, codes.text[label.field]);
    }
    out << '}';
}

} // namespace

int RunCodesCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    bool json = false;
    bool optionsEnded = false;
    std::vector<std::string_view> values;
    for (const std::string_view arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--json") {
            json = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            out << kCodesUsage;
            return FinishOutput(out, err, "pelmora codes", 0);
        } else if (!optionsEnded && arg.starts_with("--")) {
            err << "pelmora codes: unknown option '" << PrintableText(arg) << "' (see pelmora codes --help)\n";
            return 2;
        } else {
            values.push_back(arg);
        }
    }
    if (values.empty()) {
        err << "pelmora codes: no VALUE given; write " << kAcceptedNotations << '\n';
        return 2;
    }

    const DefaultSystemColors systemColors;
    ColorCodes codes;
    int status = 0;
    bool first = true;
    if (json)
        out << "[\n";
    for (const std::string_view value : values) {
        const auto color = ParseColorNotation(value);
        if (!color) {
            err << "pelmora codes: cannot read '" << PrintableText(value) << "': write " << kAcceptedNotations << '\n';
            status = 2;
            continue;
        }
        WriteColorCodes(*color, systemColors, codes);
        if (json) {
            if (!first)
                out << ",\n";
            WriteJson(out, value, codes);
        } else {
            if (!first)
                out << '\n';
            WriteText(out, codes);
        }
        first = false;
    }
    if (json)
        out << (first ? "]\n" : "\n]\n");
    return FinishOutput(out, err, "pelmora codes", status);
}

} // namespace pelmora
