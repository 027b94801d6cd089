// Pelmora's entry point: the desktop program, or a sub-command that needs no display.

#include "app/codes_command.h"
#include "app/contrast_command.h"
#include "app/desktop_program.h"
#include "app/display_check.h"

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
           "Usage: pelmora                           start the colour picker\n"
           "       pelmora codes [--json] VALUE...   print the colour codes of each VALUE\n"
           "       pelmora codes --formats           list the notations (--format NAME picks one)\n"
           "       pelmora contrast [--json] A B     print the contrast ratio of two colours\n"
           "       pelmora --help                    show this help\n"
           "       pelmora --version                 show the version\n"
           "\n"
        << pelmora::kCodesUsage << "\n"
        << pelmora::kContrastUsage;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    // No sub-command (Qt's own options, such as -platform, may follow): the desktop program.
    if (args.empty()
        || (args[0].starts_with('-') && args[0] != "--help" && args[0] != "-h" && args[0] != "--version")) {
        const std::string missing = pelmora::MissingDisplayReason();
        if (!missing.empty()) {
            std::cerr << "pelmora: " << missing << "; `pelmora codes VALUE...` works without one.\n";
            return 2;
        }
        return pelmora::RunDesktopProgram(argc, argv);
    }
    if (args[0] == "--help" || args[0] == "-h") {
        PrintHelp(std::cout);
        return 0;
    }
    if (args[0] == "--version") {
        std::cout << "Pelmora " PELMORA_VERSION "\n";
        return 0;
    }
    if (args[0] == "codes")
        return pelmora::RunCodesCommand(std::span(args).subspan(1), std::cout, std::cerr);
    if (args[0] == "contrast")
        return pelmora::RunContrastCommand(std::span(args).subspan(1), std::cout, std::cerr);
    std::cerr << "pelmora: unknown command '" << args[0] << "' (see pelmora --help)\n";
    return 2;
}
