// The CSS Color parsing tests of web-platform-tests, as a table of our own (data/ holds the cases
// with the file and commit each came from): every valid colour gives the 8-bit sRGB and alpha of
// its expected value (a plain colour, or the browser's serialisation of the same color-mix()), an
// accepted one reads, every invalid one is refused, and what a text alone cannot resolve is refused
// with its reason.

#include "notations/css_color_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

namespace pelmora {
namespace {

struct Case {
    std::string kind;
    std::string input;
    std::string expected; // the expected colour, or the reason of a refusal
    std::string source;
};

std::vector<Case> LoadCases()
{
    std::ifstream file(PELMORA_WPT_CASES);
    std::vector<Case> cases;
    std::string source;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        std::vector<std::string> fields;
        for (std::size_t start = 0;;) {
            const std::size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        if (fields[0] == "source")
            source = fields.at(1);
        else
            cases.push_back({fields[0], fields.at(1), fields.size() > 2 ? fields[2] : "", source});
    }
    return cases;
}

TEST(WptCssColorParsing, EveryCaseReadsAsTheBrowserReadsIt)
{
    const std::vector<Case> cases = LoadCases();
    ASSERT_GT(cases.size(), 450u) << "the case file " << PELMORA_WPT_CASES << " was not found or is cut short";
    std::size_t valid = 0;
    std::size_t invalid = 0;
    for (const Case& c : cases) {
        const ReadResult read = ReadCssColorText(c.input);
        if (c.kind == "valid" || c.kind == "same") {
            ++valid;
            const ReadResult expected = ReadCssColorText(c.expected);
            ASSERT_TRUE(expected.color) << c.source << ": expected value " << c.expected << ": " << expected.message;
            EXPECT_EQ(read.color, expected.color) << c.source << ": " << c.input << " (" << read.message << ")";
            EXPECT_NEAR(read.alpha, expected.alpha, 0.002) << c.source << ": " << c.input;
        } else if (c.kind == "accepted") {
            EXPECT_TRUE(read.color) << c.source << ": " << c.input << ": " << read.message;
        } else if (c.kind == "invalid") {
            ++invalid;
            EXPECT_FALSE(read.color) << c.source << ": " << c.input << " is not CSS";
        } else {
            ASSERT_EQ(c.kind, "refused");
            EXPECT_FALSE(read.color) << c.source << ": " << c.input;
            EXPECT_NE(read.message.find(c.expected), std::string::npos)
                << c.source << ": " << c.input << ": " << read.message;
        }
    }
    EXPECT_GT(valid, 0u);
    EXPECT_GT(invalid, 0u);
}

} // namespace
} // namespace pelmora
