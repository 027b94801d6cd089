#pragma once
// Where the picker lives in the main window's client area, in pixels (origin top-left).

namespace pelmora {

inline constexpr int FieldLeft = 10;
inline constexpr int FieldTop = 10;
inline constexpr int FieldRight = FieldLeft + 255; // last field column, inclusive
inline constexpr int FieldBottom = FieldTop + 255; // last field row, inclusive
inline constexpr int SliderLeft = FieldRight + 12; // first slider column
inline constexpr int SliderRight = FieldRight + 27; // slider lines stop before this column
inline constexpr int SliderTop = FieldTop;
inline constexpr int SliderBottom = FieldBottom;

inline constexpr int FieldSize = 256;
inline constexpr int SliderWidth = SliderRight - SliderLeft; // 15 painted columns
inline constexpr int SliderHeight = 256;

// The main window's client area.
inline constexpr int ClientWidth = 480;
inline constexpr int ClientHeight = 519;

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0; // exclusive
    int bottom = 0; // exclusive

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

inline constexpr int CellCount = 224;
inline constexpr int CellsPerRow = 16;
inline constexpr int CellSize = 15;
inline constexpr int CellPitch = 18; // 15-pixel cells with 3-pixel gaps

// The rectangle of preset grid cell n (1 .. CellCount); an empty rectangle for any other n,
// so that a stray cell number paints nothing.
constexpr Rect CellRect(int n)
{
    if (n < 1 || n > CellCount)
        return {};
    const int column = (n - 1) % CellsPerRow;
    const int row = (n - 1) / CellsPerRow;
    const int left = FieldLeft + CellPitch * column;
    const int top = FieldTop + CellPitch * row;
    return {left, top, left + CellSize, top + CellSize};
}

} // namespace pelmora
