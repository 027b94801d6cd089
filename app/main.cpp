// Pelmora's entry point: sub-commands that need no display.

#include "app/codes_command.h"

#include <iostream>
#include <span>
#include <string_view>
#include <vector>

namespace {

void PrintHelp(std::ostream& out)
{
    out << "Pelmora " PELMORA_VERSION " - colour codes for web pages and desktop programs\n"
           "\n"
           "Usage: pelmora codes [--json] VALUE...   print the colour codes of each VALUE\n"
           "       pelmora --help                    show this help\n"
           "       pelmora --version                 show the version\n"
           "\n"
        << pelmora::kCodesUsage;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        PrintHelp(std::cout);
        return 0;
    }
    if (args[0] == "--version") {
        std::cout << "Pelmora " PELMORA_VERSION "\n";
        return 0;
    }
    if (args[0] == "codes")
        return pelmora::RunCodesCommand(std::span(args).subspan(1), std::cout, std::cerr);
    std::cerr << "pelmora: unknown command '" << args[0] << "' (see pelmora --help)\n";
    return 2;
}
