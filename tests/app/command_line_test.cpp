// The command line's own rules: output that never arrived, bad words quoted back safely, and which
// words the window program accepts.
#include "app/checked_output.h"
#include "app/codes_command.h"
#include "app/terminal_text.h"
#include "app/window_program_options.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace pelmora {
namespace {

// A device like /dev/full behind a buffered stream: every write is taken into the buffer, and the
// loss only shows when the buffer is handed on.
class FullDevice : public std::streambuf {
public:
    FullDevice() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

protected:
    int_type overflow(int_type) override { return Fail(); }
    int sync() override { return Fail(); }

private:
    static int Fail()
    {
        errno = ENOSPC;
        return -1;
    }
    std::array<char, 1 << 16> buffer_{};
};

struct Outcome {
    int status;
    std::string err;
};

Outcome RunCodesIntoFullDevice(std::vector<std::string_view> args)
{
    FullDevice device;
    std::ostream out(&device);
    std::ostringstream err;
    const int status = RunCodesCommand(args, out, err);
    return {status, err.str()};
}

TEST(FinishOutput, PassesTheStatusOnWhenEverythingArrived)
{
    std::ostringstream out;
    std::ostringstream err;
    out << "text";
    EXPECT_EQ(FinishOutput(out, err, "pelmora", 2), 2);
    EXPECT_EQ(err.str(), "");
}

TEST(FinishOutput, ALostFlushIsAFailureWithItsReason)
{
    FullDevice device;
    std::ostream out(&device);
    std::ostringstream err;
    out << "text that only reached the buffer\n";
    ASSERT_TRUE(out.good()); // the write itself looked fine
    EXPECT_EQ(FinishOutput(out, err, "pelmora", 0), kOutputFailedStatus);
    EXPECT_EQ(err.str(), "pelmora: cannot write the output (No space left on device)\n");
}

TEST(CodesCommand, OutputThatCannotBeWrittenFailsEveryForm)
{
    struct Row {
        const char* name;
        std::vector<std::string_view> args;
    };
    const Row rows[] = {
        {"text", {"65535"}},
        {"json", {"--json", "65535"}},
        {"json with nothing readable", {"--json", "x"}},
        {"help", {"--help"}},
    };
    for (const Row& row : rows) {
        const Outcome run = RunCodesIntoFullDevice(row.args);
        EXPECT_EQ(run.status, 1) << row.name;
        EXPECT_NE(run.err.find("pelmora codes: cannot write the output"), std::string::npos) << row.name;
    }
}

TEST(CodesCommand, BadValuesAreQuotedWithoutTheirControlCharacters)
{
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string_view> args = {"\x1b[31mred\x1b[0m", "--\x1b]0;title\x07"};
    EXPECT_EQ(RunCodesCommand(args, out, err), 2);
    EXPECT_EQ(err.str().find('\x1b'), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("'--\\e]0;title\\x07'"), std::string::npos) << err.str();

    err.str("");
    const std::vector<std::string_view> values = {"\x1b[31mred\x1b[0m"};
    EXPECT_EQ(RunCodesCommand(values, out, err), 2);
    EXPECT_NE(err.str().find("'\\e[31mred\\e[0m'"), std::string::npos) << err.str();
}

TEST(PrintableText, EscapesWhatATerminalWouldActOn)
{
    struct Row {
        const char* name;
        std::string_view text;
        std::string_view printable;
    };
    const Row rows[] = {
        {"plain", "RGB(1, 2, 3)", "RGB(1, 2, 3)"},
        {"escape", "a\x1b[2Jb", "a\\e[2Jb"},
        {"bell, tab, newline, return", "\x07\t\n\r", "\\x07\\t\\n\\r"},
        {"delete", "\x7f", "\\x7f"},
        {"backslash stays readable", "a\\e", "a\\\\e"},
        {"nul", std::string_view("a\0b", 3), "a\\x00b"},
        {"C1 CSI in UTF-8",
            "\xc2\x9b"
            "31m",
            "\\u009b31m"},
        {"raw CSI byte",
            "\x9b"
            "31m",
            "\\x9b31m"},
        {"accents and symbols kept", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xa8",
            "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xa8"},
        {"no-break space kept", "\xc2\xa0", "\xc2\xa0"},
        {"overlong ESC", "\xc0\x9b", "\\xc0\\x9b"},
        {"surrogate", "\xed\xa0\x80", "\\xed\\xa0\\x80"},
        {"cut sequence", "\xe2\x82", "\\xe2\\x82"},
        {"right-to-left override and isolates",
            "\xe2\x80\xae"
            "der\xe2\x81\xa6x\xe2\x81\xa9\xe2\x80\xaa",
            "\\u202eder\\u2066x\\u2069\\u202a"},
        {"marks that only nudge kept", "\xe2\x80\x8f", "\xe2\x80\x8f"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PrintableText(row.text), row.printable) << row.name;
}

TEST(WindowProgramOptions, QtOptionsPassOthersAreUsageErrors)
{
    struct Row {
        const char* name;
        std::vector<std::string_view> args;
        std::string_view error; // empty: accepted
    };
    const Row rows[] = {
        {"nothing", {}, ""},
        {"platform", {"-platform", "offscreen"}, ""},
        {"two dashes", {"--platform", "offscreen", "--style", "fusion"}, ""},
        {"value after =", {"-style=fusion", "-reverse"}, ""},
        {"display and geometry", {"-display", ":1", "-geometry", "300x200+0+0"}, ""},
        {"command option alone", {"--json"}, "unknown option '--json' (see pelmora --help)"},
        {"after a Qt option", {"-platform", "offscreen", "--json"}, "unknown option '--json' (see pelmora --help)"},
        {"missing value", {"-platform"}, "the option '-platform' needs a value (see pelmora --help)"},
        {"value on a flag", {"-reverse=yes"}, "unknown option '-reverse=yes' (see pelmora --help)"},
        {"= where Qt reads none", {"-platform=offscreen"}, "unknown option '-platform=offscreen' (see pelmora --help)"},
        {"= where Qt needs it", {"-qmljsdebugger"}, "unknown option '-qmljsdebugger' (see pelmora --help)"},
        {"stray word", {"-reverse", "codes"}, "unexpected word 'codes' (see pelmora --help)"},
        {"escaped", {"-\x1b[1m"}, "unknown option '-\\e[1m' (see pelmora --help)"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(WindowProgramArgumentError(row.args), row.error) << row.name;
    EXPECT_TRUE(IsWindowProgramOption("--style"));
    EXPECT_FALSE(IsWindowProgramOption("--version"));
    EXPECT_FALSE(IsWindowProgramOption("platform"));
}

TEST(WindowProgramOptions, TheValueQtWillUse)
{
    const std::vector<std::string_view> args
        = {"-style", "-display", "--display", ":2", "-platform", "xcb", "--platform", "offscreen"};
    EXPECT_EQ(WindowProgramOptionValue(args, "display"), ":2"); // "-display" was -style's value
    EXPECT_EQ(WindowProgramOptionValue(args, "platform"), "offscreen"); // the last one counts
    EXPECT_EQ(WindowProgramOptionValue(args, "style"), "-display");
    EXPECT_EQ(WindowProgramOptionValue(std::vector<std::string_view>{"-style=fusion"}, "style"), "fusion");
    EXPECT_EQ(WindowProgramOptionValue(std::vector<std::string_view>{"-reverse"}, "display"), std::nullopt);
}

} // namespace
} // namespace pelmora
