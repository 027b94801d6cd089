#pragma once
// The picker controller on a surface of its own, with the custom colours in memory and a stand-in
// for the font engine: the setting of every controller story.

#include "controller/picker_controller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

constexpr Color kBackground = RGB(212, 208, 200);

// The custom colours in memory; a save can be made to fail.
class MemoryStore final : public UserColorsStore {
public:
    UserColorArray stored{};
    int loads = 0;
    std::vector<UserColorArray> saves;
    std::optional<std::string> failure;

    CustomColors Load() override
    {
        ++loads;
        return {stored, {}};
    }
    std::optional<std::string> StoreCell(int cell, Color color, CustomColors& colors) override
    {
        if (failure)
            return failure;
        stored[static_cast<std::size_t>(cell)] = color;
        saves.push_back(stored);
        colors.colors = stored;
        return std::nullopt;
    }
    std::optional<std::string> StoreCells(
        int firstCell, std::span<const Color> cellColors, CustomColors& colors) override
    {
        if (failure)
            return failure;
        std::copy(cellColors.begin(), cellColors.end(), stored.begin() + firstCell);
        saves.push_back(stored);
        colors.colors = stored;
        return std::nullopt;
    }
};

struct Spot {
    int x, y;
};
inline Spot CellCentre(int cell) { return {CellRect(cell).left + 7, CellRect(cell).top + 7}; }

// Stands in for the font engine: a black run of one pixel per character, 12 rows apart.
inline int FakeText(Surface& surface, int x, int y, std::string_view text, Color color)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        surface.FilledRectangle(x + static_cast<int>(i), y, x + static_cast<int>(i) + 1, y + 1, color, color);
    return 12;
}

class PickerControllerStory : public ::testing::Test {
protected:
    DefaultSystemColors colors;
    MemoryStore store;
    PickerController controller{colors, store};
    PickerChange started; // what Start changed

    void SetUp() override
    {
        controller.surface().setBackground(kBackground);
        controller.surface().Clear();
        controller.surface().setTextPainter(FakeText);
        started = controller.Start();
    }
    Color pixel(int x, int y) const { return controller.surface().ReadPixel(x, y); }
    std::vector<std::uint32_t> picture() const
    {
        const Surface& s = controller.surface();
        return {s.pixels(), s.pixels() + static_cast<std::size_t>(s.width()) * static_cast<std::size_t>(s.height())};
    }
    PickerChange click(double x, double y)
    {
        PickerChange pressed = controller.LeftPressed(x, y);
        controller.Released();
        return pressed;
    }
};

} // namespace pelmora
