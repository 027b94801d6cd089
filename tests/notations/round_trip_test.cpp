// Every built-in notation prints every 8-bit colour as a text that reads back as that colour.

#include "notations/notation_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace pelmora {
namespace {

struct Failure {
    std::int32_t color = -1;
    std::string text;
    std::string message;
};

// Walks all 16,777,216 colours on two threads; counts the colours the notation has a text for.
std::int64_t CheckAllColours(const Notation& notation, Failure& firstFailure)
{
    constexpr std::int32_t kColours = 1 << 24;
    std::atomic<std::int64_t> printed{0};
    std::atomic<bool> failed{false};
    std::vector<Failure> failures(2);
    const auto walk = [&](int part) {
        std::string text;
        std::int64_t count = 0;
        for (std::int32_t value = part; value < kColours && !failed.load(std::memory_order_relaxed); value += 2) {
            const Color colour(value);
            text.clear();
            if (!notation.format(colour, text))
                continue;
            ++count;
            const ReadResult result = notation.read(text);
            if (result.color != colour) {
                failures[static_cast<std::size_t>(part)] = {value, text, result.message};
                failed = true;
            }
        }
        printed += count;
    };
    std::thread other(walk, 1);
    walk(0);
    other.join();
    firstFailure = failures[0].color >= 0 ? failures[0] : failures[1];
    return printed;
}

class RoundTrip : public testing::TestWithParam<std::string_view> { };

TEST_P(RoundTrip, EveryColourReadsBack)
{
    const Notation* notation = FindNotation(GetParam());
    ASSERT_NE(notation, nullptr);
    Failure failure;
    const std::int64_t printed = CheckAllColours(*notation, failure);
    EXPECT_EQ(failure.color, -1) << std::hex << failure.color << " printed as '" << failure.text
                                 << "' reads back as: " << failure.message;
    // Only the names miss colours: 148 names for 139 distinct colours (gray and grey, aqua and cyan, ...).
    EXPECT_EQ(printed, notation->name == "css-name" ? 139 : 1 << 24);
}

std::vector<std::string_view> AllNames()
{
    std::vector<std::string_view> names;
    for (const Notation& notation : BuiltInNotations())
        names.push_back(notation.name);
    return names;
}

INSTANTIATE_TEST_SUITE_P(
    AllNotations, RoundTrip, testing::ValuesIn(AllNames()), [](const testing::TestParamInfo<std::string_view>& info) {
        std::string name(info.param);
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

} // namespace
} // namespace pelmora
