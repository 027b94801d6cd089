#include "app/codes_command.h"

#include "app/checked_output.h"
#include "app/json_text.h"
#include "app/terminal_text.h"
#include "color/code_formats.h"
#include "color/system_colors.h"
#include "notations/named_colors.h"
#include "notations/notation_table.h"
#include "notations/panel_codes.h"
#include "notations/read_any_color.h"

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace pelmora {

const std::string_view kCodesUsage
    = "Usage: pelmora codes [--json] [--all] VALUE...\n"
      "       pelmora codes [--json] --format NAME VALUE...\n"
      "       pelmora codes --formats\n"
      "\n"
      "Prints the colour codes of each VALUE as the output panel shows them:\n"
      "  Constant, QBColor, RGB, Decimal, HTML, Hex, System name, System code\n"
      "one per line, with a blank line between values. System colours use a fixed\n"
      "light theme, not the desktop's.\n"
      "\n"
      "--all adds the value in every notation of --formats, one \"name: text\" line each.\n"
      "--format NAME prints only the value in that notation, one line per VALUE\n"
      "(N/A when it has none: css-name of a colour without a CSS name). --format name\n"
      "prints the nearest CSS name: orange when it is exact, otherwise \u2248 darkorange.\n"
      "--formats lists the notations: name, description, pure orange as an example.\n"
      "\n"
      "VALUE may be written as\n"
      "  65535, -1, -2147483633   decimal colour value (signed 32-bit)\n"
      "  #RRGGBB                  HTML colour\n"
      "  &HBBGGRR& or &HBBGGRR    hexadecimal literal (&H8000000F& is a system colour)\n"
      "  'RGB(r, g, b)'           each 0 to 255 (in capitals; 'rgb(...)' is CSS and clamps)\n"
      "  'QBColor(n)'             n 0 to 15\n"
      "  vbYellow, vbButtonFace   a colour constant or system colour name\n"
      "or in any notation of --formats: '#f80', 'hsl(30 100% 50%)', 'oklch(70% 0.19 48)',\n"
      "'color(display-p3 1 0.5 0)', orange, 0xFFFF8000, 'QColor(255, 128, 0)', '1.0, 0.5, 0' ...\n"
      "CSS may use calc(), color-mix() of one colour or more (Oklab when no space is named:\n"
      "'color-mix(red, blue, white)') and relative colours ('hsl(from red calc(h + 90) s l)');\n"
      "a CSS declaration ('color: #abcdef;') reads as its value. currentcolor, system colours\n"
      "(Canvas), light-dark(), var(), attr() and lengths (1em) need a web page and are refused.\n"
      "A colour outside sRGB (oklch(90% 0.4 30), color(rec2020 0 1 0)) is mapped into it\n"
      "as CSS Color 4 maps it, and the output says so: a \"Mapped:\" line, \"mapped\": true.\n"
      "\n"
      "--json prints a JSON array with one object per readable VALUE, keys:\n"
      "  \"input\", \"constant\", \"qbcolor\", \"rgb\", \"decimal\", \"html\", \"hex\",\n"
      "  \"systemName\", \"systemCode\" (all strings, the texts above), \"notations\",\n"
      "  an object of every notation's text by name (null for none), and \"name\", the\n"
      "  nearest CSS name: {\"exact\": true or false, \"name\": \"darkorange\", \"distance\":\n"
      "  its OKLab distance}; with --format, \"input\" and the notation's name.\n"
      "  \"mapped\": true is added for a colour that was mapped into sRGB.\n"
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

void WriteText(std::ostream& out, const ColorCodes& codes)
{
    for (const CodeLabel& label : kLabels)
        out << label.text << ": " << codes.text[label.field] << '\n';
}

// The object of one value, left open for more keys.
void WriteJsonFields(std::ostream& out, std::string_view input, const ColorCodes& codes)
{
    out << "  {\"input\": ";
    WriteJsonString(out, input);
    for (const CodeLabel& label : kLabels) {
        out << ", ";
        WriteJsonString(out, label.jsonKey);
        out << ": ";
        WriteJsonString(out, codes.text[label.field]);
    }
}

} // namespace

namespace {

struct CodesOptions {
    bool json = false;
    bool all = false;
    bool list = false;
    const Notation* format = nullptr;
    bool nameFormat = false; // --format name: the nearest CSS name
    std::vector<std::string_view> values;
};

// The colour the notations describe: a system colour code stands for the desktop's colour, any
// other value for its three channels.
Color DescribedColor(Color color, const SystemColors& systemColors)
{
    if (color.isSystemCode() && (color.value() & 0xFF) < kSysColorCount)
        return systemColors.GetSysColor(color.value() & 0xFF);
    return color;
}

// {"exact": false, "name": "darkorange", "distance": 0.0407}
void WriteNameJson(std::ostream& out, Color color)
{
    const NameMatch match = NearestCssName(color);
    out << "{\"exact\": " << (match.exact ? "true" : "false") << ", \"name\": ";
    WriteJsonString(out, match.name);
    out << ", \"distance\": ";
    WriteJsonNumber(out, match.distance);
    out << '}';
}

// "orange" when the colour is exactly that name, "≈ darkorange" otherwise.
std::string NameText(Color color)
{
    const NameMatch match = NearestCssName(color);
    return match.exact ? std::string(match.name) : match.text();
}

void WriteNotationList(std::ostream& out)
{
    const Color orange = RGB(255, 128, 0);
    for (const Notation& notation : BuiltInNotations()) {
        const std::string example = FormatIn(notation, orange).value_or("(none for this colour)");
        std::string line(notation.name);
        line.resize(16, ' ');
        line += notation.label;
        line.resize(40, ' ');
        out << line << example << '\n';
    }
    std::string line("name");
    line.resize(16, ' ');
    line += "nearest CSS name";
    line.resize(40, ' ');
    out << line << NameText(orange) << '\n';
}

void WriteAllNotationsText(std::ostream& out, Color color)
{
    for (const Notation& notation : BuiltInNotations())
        out << notation.name << ": " << FormatIn(notation, color).value_or("N/A") << '\n';
    out << "name: " << NameText(color) << '\n';
}

void WriteAllNotationsJson(std::ostream& out, Color color)
{
    out << ", \"notations\": {";
    bool first = true;
    for (const Notation& notation : BuiltInNotations()) {
        out << (first ? "" : ", ");
        first = false;
        WriteJsonString(out, notation.name);
        out << ": ";
        const auto text = FormatIn(notation, color);
        if (text)
            WriteJsonString(out, *text);
        else
            out << "null";
    }
    out << '}';
}

} // namespace

namespace {

// Reads the words after "codes"; nothing (after a message on `err`) when they are wrong. `--help`
// sets `help` and stops reading.
std::optional<CodesOptions> ParseCodesOptions(std::span<const std::string_view> args, std::ostream& err, bool& help)
{
    CodesOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--json") {
            options.json = true;
        } else if (!optionsEnded && arg == "--all") {
            options.all = true;
        } else if (!optionsEnded && arg == "--formats") {
            options.list = true;
        } else if (!optionsEnded && arg == "--format") {
            if (i + 1 == args.size()) {
                err << "pelmora codes: --format needs a NAME (see pelmora codes --formats)\n";
                return std::nullopt;
            }
            options.format = FindNotation(args[++i]);
            options.nameFormat = args[i] == "name";
            if (!options.format && !options.nameFormat) {
                err << "pelmora codes: unknown format '" << PrintableText(args[i])
                    << "' (see pelmora codes --formats)\n";
                return std::nullopt;
            }
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            help = true;
            return options;
        } else if (!optionsEnded && arg.starts_with("--")) {
            err << "pelmora codes: unknown option '" << PrintableText(arg) << "' (see pelmora codes --help)\n";
            return std::nullopt;
        } else {
            options.values.push_back(arg);
        }
    }
    return options;
}

// The colour `value` is written in, or none (after a message on `err`).
ReadResult ReadValue(std::string_view value, std::ostream& err)
{
    // System colour codes stay codes: codes describes them as the panel does.
    const ReadResult read = ReadAnyColorKeepingCodes(value);
    if (!read.color) {
        err << "pelmora codes: cannot read '" << PrintableText(value) << "': " << PrintableText(read.message)
            << "; write " << kAcceptedNotations << " or a notation of --formats\n";
    }
    return read;
}

std::string MappedNote(std::string_view value)
{
    return "'" + PrintableText(value) + "' was outside sRGB and was mapped into it";
}

// One value in one notation: a line, or a JSON object.
void WriteOneNotation(
    std::ostream& out, const CodesOptions& options, std::string_view value, Color described, bool mapped)
{
    const std::string text
        = options.nameFormat ? NameText(described) : FormatIn(*options.format, described).value_or("N/A");
    if (!options.json) {
        out << text << '\n';
        return;
    }
    out << "  {\"input\": ";
    WriteJsonString(out, value);
    out << ", ";
    if (options.nameFormat) {
        out << "\"name\": ";
        WriteNameJson(out, described);
    } else {
        WriteJsonString(out, options.format->name);
        out << ": ";
        WriteJsonString(out, text);
    }
    out << (mapped ? ", \"mapped\": true}" : "}");
}

} // namespace

int RunCodesCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    bool help = false;
    const std::optional<CodesOptions> options = ParseCodesOptions(args, err, help);
    if (!options)
        return 2;
    if (help) {
        out << kCodesUsage;
        return FinishOutput(out, err, "pelmora codes", 0);
    }
    if (options->list) {
        WriteNotationList(out);
        return FinishOutput(out, err, "pelmora codes", 0);
    }
    if (options->values.empty()) {
        err << "pelmora codes: no VALUE given; write " << kAcceptedNotations << '\n';
        return 2;
    }

    const DefaultSystemColors systemColors;
    ColorCodes codes;
    int status = 0;
    bool first = true;
    if (options->json)
        out << "[\n";
    for (const std::string_view value : options->values) {
        const ReadResult read = ReadValue(value, err);
        if (!read.color) {
            status = 2;
            continue;
        }
        const Color color = *read.color;
        const Color described = DescribedColor(color, systemColors);
        if (options->json && !first)
            out << ",\n";
        if (options->format || options->nameFormat) {
            // One line per value stays one line: the remark goes where messages go.
            if (read.mapped && !options->json)
                err << "pelmora codes: " << MappedNote(value) << '\n';
            WriteOneNotation(out, *options, value, described, read.mapped);
        } else if (options->json) {
            WriteColorCodes(color, systemColors, codes);
            WriteJsonFields(out, value, codes);
            WriteAllNotationsJson(out, described);
            out << ", \"name\": ";
            WriteNameJson(out, described);
            out << (read.mapped ? ", \"mapped\": true}" : "}");
        } else {
            WriteColorCodes(color, systemColors, codes);
            if (!first)
                out << '\n';
            WriteText(out, codes);
            if (read.mapped)
                out << "Mapped: " << MappedNote(value) << '\n';
            if (options->all)
                WriteAllNotationsText(out, described);
        }
        first = false;
    }
    if (options->json)
        out << (first ? "]\n" : "\n]\n");
    return FinishOutput(out, err, "pelmora codes", status);
}

} // namespace pelmora
