#include "palette/set_cells.h"

#include <algorithm>
#include <charconv>

namespace pelmora {
namespace {

constexpr std::string_view kMarksHeading = "Pelmora custom colour cells set to black";

// The cell a line names, or 0 for a line that names none.
std::size_t CellOfLine(std::string_view line)
{
    unsigned cell = 0;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), cell);
    if (ec != std::errc() || end != line.data() + line.size() || cell < 1 || cell >= kUserColorCount)
        return 0;
    return cell;
}

} // namespace

bool CustomColors::isSet(std::size_t cell) const
{
    return cell >= 1 && cell < colors.size() && (colors[cell] != Color::black() || blackSet.test(cell));
}

void CustomColors::store(std::size_t cell, Color color)
{
    colors.at(cell) = color;
    blackSet.set(cell, color == Color::black());
}

CustomColors WithBlackMarks(const UserColorArray& colors, const CellMarks& marks)
{
    CustomColors custom{colors, {}};
    for (std::size_t cell = 1; cell < colors.size(); ++cell)
        custom.blackSet.set(cell, marks.test(cell) && colors[cell] == Color::black());
    return custom;
}

std::string FormatBlackCellMarks(const CellMarks& marks)
{
    std::string text(kMarksHeading);
    text += '\n';
    for (std::size_t cell = 1; cell < marks.size(); ++cell) {
        if (marks.test(cell))
            text += std::to_string(cell) + '\n';
    }
    return text;
}

CellMarks ParseBlackCellMarks(std::string_view text)
{
    CellMarks marks;
    bool headed = false;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = text.substr(0, end);
        std::size_t next = end;
        if (next < text.size() && text[next] == '\r')
            ++next;
        if (next < text.size() && text[next] == '\n')
            ++next;
        text.remove_prefix(next);
        if (!headed) {
            if (line != kMarksHeading)
                return marks;
            headed = true;
        } else if (const std::size_t cell = CellOfLine(line)) {
            marks.set(cell);
        }
    }
    return marks;
}

} // namespace pelmora
