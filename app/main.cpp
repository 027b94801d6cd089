// Pelmora's entry point: the desktop program, or a sub-command that needs no display.

#include "app/checked_output.h"
#include "app/codes_command.h"
#include "app/contrast_command.h"
#include "app/desktop_program.h"
#include "app/display_check.h"
#include "app/palette_command.h"
#include "app/pick_command.h"
#include "app/terminal_text.h"
#include "app/window_program_options.h"

#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

void PrintHelp(std::ostream& out)
{
    out << "Pelmora " PELMORA_VERSION " - colour codes for web pages and desktop programs\n"
           "\n"
           "Usage: pelmora [QT-OPTION...]            start the colour picker\n"
           "       pelmora codes [--json] VALUE...   print the colour codes of each VALUE\n"
           "       pelmora codes --formats           list the notations (--format NAME picks one)\n"
           "       pelmora contrast [--json] A B     print the contrast ratio of two colours\n"
           "       pelmora contrast --suggest AA A B  ... and the nearest colour to A that passes\n"
           "       pelmora pick [--copy] ...         pick a colour from the screen, print its codes\n"
           "       pelmora palette export|import     custom colours to and from palette files\n"
           "       pelmora --help                    show this help\n"
           "       pelmora --version                 show the version\n"
           "\n"
           "In the window, the row at the bottom shows the current colour in any notation of\n"
           "--formats or in a template of your own ([Templates] in ~/.config/Pelmora/Pelmora.conf,\n"
           "placeholders {r} {g} {b} {hex} {HEX} {rf:.3} {h} {s} {l} ...); beside Import... and\n"
           "Export... (palettes, with the grids) it shows the contrast of New against Old and\n"
           "New's CSS name.\n"
           "\n"
        << pelmora::kWindowProgramOptionsHelp
        << "\n"
           "Exit status: 0; 1 when the output could not be written; 2 for a usage error or,\n"
           "for the colour picker, when there is no display to open it on.\n"
           "\n"
        << pelmora::kCodesUsage << "\n"
        << pelmora::kContrastUsage << "\n"
        << pelmora::kPaletteUsage;
}

int UsageError(const std::string& message)
{
    std::cerr << "pelmora: " << message << '\n';
    return 2;
}

// `pelmora --help` and `pelmora --version` print one text and take no further words.
int PrintOnly(std::span<const std::string_view> args, void (*print)(std::ostream&))
{
    if (args.size() > 1) {
        return UsageError(std::string(args[0]) + " takes no further words, not '" + pelmora::PrintableText(args[1])
            + "' (see pelmora --help)");
    }
    print(std::cout);
    return pelmora::FinishOutput(std::cout, std::cerr, "pelmora", 0);
}

} // namespace

int main(int argc, char** argv)
{
    pelmora::HoldClosedStandardStreams();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    // No sub-command, only Qt's own options (such as -platform): the desktop program.
    if (args.empty() || pelmora::IsWindowProgramOption(args[0])) {
        if (const std::string wrong = pelmora::WindowProgramArgumentError(args); !wrong.empty())
            return UsageError(wrong);
        const std::string missing = pelmora::MissingDisplayReason(args);
        if (!missing.empty()) {
            std::cerr << "pelmora: " << missing << "; `pelmora codes VALUE...` works without one.\n";
            return 2;
        }
        return pelmora::RunDesktopProgram(argc, argv);
    }
    if (args[0] == "--help" || args[0] == "-h")
        return PrintOnly(args, PrintHelp);
    if (args[0] == "--version")
        return PrintOnly(args, [](std::ostream& out) { out << "Pelmora " PELMORA_VERSION "\n"; });
    if (args[0] == "codes")
        return pelmora::RunCodesCommand(std::span(args).subspan(1), std::cout, std::cerr);
    if (args[0] == "contrast")
        return pelmora::RunContrastCommand(std::span(args).subspan(1), std::cout, std::cerr);
    if (args[0] == "pick")
        return pelmora::RunPickCommand(argc, argv);
    if (args[0] == "palette")
        return pelmora::RunPaletteCommandForThisProgram(argc, argv);
    if (args[0].starts_with('-'))
        return UsageError("unknown option '" + pelmora::PrintableText(args[0]) + "' (see pelmora --help)");
    return UsageError("unknown command '" + pelmora::PrintableText(args[0]) + "' (see pelmora --help)");
}
