#include "app/contrast_command.h"

#include "app/json_text.h"
#include "notations/contrast.h"
#include "notations/named_colors.h"
#include "notations/notation_table.h"
#include "notations/read_any_color.h"

#include <ostream>
#include <vector>

namespace pelmora {

const std::string_view kContrastUsage
    = "Usage: pelmora contrast [--json] A B\n"
      "\n"
      "Prints the WCAG 2 contrast ratio of colours A and B (in either order) and the\n"
      "levels it passes, or none: AA (4.5:1) and AAA (7:1) for normal text, AA large\n"
      "(3:1) and AAA large (4.5:1) for large text, UI (3:1) for user-interface parts.\n"
      "A and B take any notation that `pelmora codes` reads. The ratio is shown to the\n"
      "hundredth and never rounded up to a level it fails (2.9953 shows 2.99:1).\n"
      "\n"
      "--json prints one object: \"a\", \"b\" (as #rrggbb), \"ratio\" (the number),\n"
      "\"text\" (\"4.54:1\"), \"levels\" (an object of true/false by level name).\n"
      "\n"
      "Exit status: 0, or 2 when A or B cannot be read.\n";

int RunContrastCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
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
            out << kContrastUsage;
            return 0;
        } else if (!optionsEnded && arg.starts_with("--")) {
            err << "pelmora contrast: unknown option '" << arg << "' (see pelmora contrast --help)\n";
            return 2;
        } else {
            values.push_back(arg);
        }
    }
    if (values.size() != 2) {
        err << "pelmora contrast: expected two colours A and B, got " << values.size() << '\n';
        return 2;
    }
    const DefaultSystemColors systemColors;
    Color colors[2];
    for (std::size_t i = 0; i < 2; ++i) {
        const ReadResult read = ReadAnyColor(values[i], systemColors);
        if (!read.color) {
            err << "pelmora contrast: cannot read '" << values[i] << "': " << read.message << '\n';
            return 2;
        }
        colors[i] = *read.color;
    }
    const Contrast contrast = ContrastOf(colors[0], colors[1]);
    if (!json) {
        out << "Contrast: " << contrast.ratioText() << '\n' << "Passes: " << contrast.levelsText() << '\n';
        return 0;
    }
    const Notation& hex = *FindNotation("css-hex");
    out << "{\"a\": ";
    WriteJsonString(out, *FormatIn(hex, colors[0]));
    out << ", \"b\": ";
    WriteJsonString(out, *FormatIn(hex, colors[1]));
    out << ", \"ratio\": ";
    WriteJsonNumber(out, contrast.ratio);
    out << ", \"text\": ";
    WriteJsonString(out, contrast.ratioText());
    out << ", \"levels\": {";
    for (std::size_t i = 0; i < kContrastLevels.size(); ++i) {
        out << (i ? ", " : "");
        WriteJsonString(out, kContrastLevels[i].name);
        out << (contrast.passes[i] ? ": true" : ": false");
    }
    out << "}}\n";
    return 0;
}

} // namespace pelmora
