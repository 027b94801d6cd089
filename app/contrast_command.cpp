#include "app/contrast_command.h"

#include "app/checked_output.h"
#include "app/json_text.h"
#include "app/terminal_text.h"
#include "notations/contrast.h"
#include "notations/contrast_suggestion.h"
#include "notations/named_colors.h"
#include "notations/notation_table.h"
#include "notations/read_any_color.h"

#include <optional>
#include <ostream>
#include <vector>

namespace pelmora {

const std::string_view kContrastUsage
    = "Usage: pelmora contrast [--json] [--suggest AA|AAA|AA-large] A B\n"
      "\n"
      "Prints the WCAG 2 contrast ratio of colours A and B (in either order) and the\n"
      "levels it passes, or none: AA (4.5:1) and AAA (7:1) for normal text, AA large\n"
      "(3:1) and AAA large (4.5:1) for large text, UI (3:1) for user-interface parts.\n"
      "A and B take any notation that `pelmora codes` reads. The ratio is shown to the\n"
      "hundredth and never rounded up to a level it fails (2.9953 shows 2.99:1).\n"
      "\n"
      "--suggest LEVEL adds the colour nearest to A that reaches LEVEL against B: A's\n"
      "OKLCh hue, its lightness moved up or down as little as will do, its chroma cut\n"
      "only where sRGB cannot hold it. \"Suggestion: #rrggbb (4.54:1)\" with its ratio,\n"
      "or \"Suggestion: none\" and why: A already reaches LEVEL, or not even black or\n"
      "white does against B (7:1 against a mid grey). LEVEL is AA (4.5:1), AAA (7:1)\n"
      "or AA-large (3:1).\n"
      "\n"
      "--json prints one object: \"a\", \"b\" (as #rrggbb), \"ratio\" (the number),\n"
      "\"text\" (\"4.54:1\"), \"levels\" (an object of true/false by level name), and\n"
      "with --suggest \"suggestion\" (#rrggbb, or null when there is none).\n"
      "\n"
      "Exit status: 0; 1 when the output could not be written; 2 when A or B cannot be\n"
      "read or an option is wrong.\n";

namespace {

void WriteSuggestionLine(std::ostream& out, const ContrastSuggestion& suggestion, const SuggestionLevel& level,
    Color background, const Notation& hex)
{
    out << "Suggestion: ";
    switch (suggestion.outcome) {
    case ContrastSuggestion::Outcome::Found:
        out << *FormatIn(hex, suggestion.color) << " (" << ContrastOf(suggestion.color, background).ratioText()
            << ")\n";
        return;
    case ContrastSuggestion::Outcome::AlreadyPasses:
        out << "none, A already reaches " << level.name << '\n';
        return;
    case ContrastSuggestion::Outcome::Unreachable:
        out << "none, no colour reaches " << level.name << " against B\n";
        return;
    }
}

int RunContrast(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    bool json = false;
    bool optionsEnded = false;
    std::optional<SuggestionLevel> suggestLevel;
    std::vector<std::string_view> values;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--json") {
            json = true;
        } else if (!optionsEnded && arg == "--suggest") {
            if (i + 1 == args.size()) {
                err << "pelmora contrast: --suggest needs a level: AA, AAA or AA-large\n";
                return 2;
            }
            suggestLevel = SuggestionLevelNamed(args[++i]);
            if (!suggestLevel) {
                err << "pelmora contrast: unknown level '" << PrintableText(args[i])
                    << "' for --suggest (AA, AAA or AA-large)\n";
                return 2;
            }
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            out << kContrastUsage;
            return 0;
        } else if (!optionsEnded && arg.starts_with("--")) {
            err << "pelmora contrast: unknown option '" << PrintableText(arg) << "' (see pelmora contrast --help)\n";
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
            err << "pelmora contrast: cannot read '" << PrintableText(values[i]) << "': " << PrintableText(read.message)
                << '\n';
            return 2;
        }
        colors[i] = *read.color;
    }
    const Contrast contrast = ContrastOf(colors[0], colors[1]);
    const Notation& hex = *FindNotation("css-hex");
    std::optional<ContrastSuggestion> suggestion;
    if (suggestLevel)
        suggestion = NearestPassingColor(colors[0], colors[1], suggestLevel->minimum);
    if (!json) {
        out << "Contrast: " << contrast.ratioText() << '\n' << "Passes: " << contrast.levelsText() << '\n';
        if (suggestion)
            WriteSuggestionLine(out, *suggestion, *suggestLevel, colors[1], hex);
        return 0;
    }
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
    out << '}';
    if (suggestion) {
        out << ", \"suggestion\": ";
        if (suggestion->outcome == ContrastSuggestion::Outcome::Found)
            WriteJsonString(out, *FormatIn(hex, suggestion->color));
        else
            out << "null";
    }
    out << "}\n";
    return 0;
}

} // namespace

int RunContrastCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    return FinishOutput(out, err, "pelmora contrast", RunContrast(args, out, err));
}

} // namespace pelmora
