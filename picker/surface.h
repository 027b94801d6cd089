#pragma once
// The main window's client area as one in-memory picture. Every picker renderer paints here and
// every pick reads its colour back from here; the desktop widget only shows these pixels 1:1.
// Pixels are 0xFFRRGGBB words, rows top-down, one word per pixel and no row padding, which is the
// layout a 32-bit RGB image of the window toolkit can wrap without converting.
// Every operation clips at the edges: no argument can make it write outside the picture.

#include "color/color.h"
#include "color/system_colors.h"
#include "picker/geometry.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace pelmora {

class PickerBitmap;
class Surface;

// How a picture's columns or rows are laid onto its rectangle.
enum class Mirror { None, LeftRight, TopBottom };

enum class BevelStyle {
    SunkenInner, // one pixel: dark shadow top and left, light bottom and right
    SunkenSoft, // two pixels, soft sunken outer and inner border
};

// Draws one line of text with its top-left corner at (x, y) onto the surface and returns the height
// of the line in pixels. The desktop shell supplies one backed by its font engine.
using TextPainter = std::function<int(Surface& surface, int x, int y, std::string_view text, Color color)>;

class Surface {
public:
    explicit Surface(int width = ClientWidth, int height = ClientHeight);

    int width() const { return width_; }
    int height() const { return height_; }
    const std::uint32_t* pixels() const { return pixels_.data(); }
    std::uint32_t* pixels() { return pixels_.data(); }

    Color background() const { return background_; }
    void setBackground(Color color) { background_ = color; }
    // Fills the whole picture with the background colour.
    void Clear();
    // How many times the picture has been cleared: what was drawn before a clear is gone.
    std::uint64_t clears() const { return clears_; }

    // Copies a picture in the PickerBitmap format onto the rectangle width x height at (left, top).
    // A byte span shorter than the picture needs is refused and nothing is drawn.
    void PutPicture(const PickerBitmap& picture, int left, int top, Mirror mirror);
    void PutPicture(std::span<const std::uint8_t> bytes, int width, int height, int left, int top, Mirror mirror);

    // Hands the painter the rows of the rectangle width x height at (left, top), one at a time, as
    // `paint(int rowIndex, std::uint32_t* row)` with `width` pixels to fill; a row that is clipped
    // is painted into scratch and only its visible part copied, so the painter never needs to know.
    template <typename RowPainter> void PaintRows(int left, int top, int width, int height, RowPainter paint);
    // Copies rows of 32-bit surface pixels (width per row, rows top-down) onto (left, top), clipped.
    void PutPixels(std::span<const std::uint32_t> pixels, int width, int height, int left, int top);

    // Pixels x1 .. x2 - 1 of row y (the end pixel is not drawn; drawn leftward if x2 < x1).
    void HorizontalLine(int x1, int x2, int y, Color color);
    // The one-pixel outline of a circle, every pixel of it inverted exactly once.
    void InvertCircle(int cx, int cy, int radius);
    // A stroke three pixels thick over columns x1 .. x2 (both included), rows y - 1 .. y + 1, inverted.
    void InvertBar(int x1, int x2, int y);
    // One-pixel outline on columns left, right - 1 and rows top, bottom - 1; the inside filled.
    void FilledRectangle(int left, int top, int right, int bottom, Color outline, Color fill);
    // The outline (columns left, right - 1, rows top, bottom - 1) drawn with a pen three pixels wide
    // centred on it; the inside is left alone.
    void HollowWideRectangle(int left, int top, int right, int bottom, Color color);
    // A three-dimensional edge along the inside of `rect` in the desktop's element colours.
    void Bevel(Rect rect, BevelStyle style, const SystemColors& colors);

    // Tells the listener (the widget showing this picture) that what was drawn should be shown.
    void Refresh();
    void setRefreshListener(std::function<void()> listener) { refreshListener_ = std::move(listener); }

    // The colour value at (x, y); Color::none() (-1) outside the picture.
    Color ReadPixel(int x, int y) const;

    void setTextPainter(TextPainter painter) { textPainter_ = std::move(painter); }
    // Draws a line of text through the installed painter; returns its height, 0 without a painter.
    int DrawTextLine(int x, int y, std::string_view text, Color color);

    static constexpr std::uint32_t ToPixel(Color color)
    {
        const auto v = static_cast<std::uint32_t>(color.value());
        return 0xFF000000u | ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
    }
    static constexpr Color ToColor(std::uint32_t pixel)
    {
        return Color(static_cast<std::int32_t>(((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu)));
    }

private:
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    std::uint32_t* row(int y)
    {
        return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    }
    // Sets columns x1 .. x2 - 1 of row y, clipped.
    void fillSpan(int x1, int x2, int y, std::uint32_t pixel);
    void fillRect(int left, int top, int right, int bottom, std::uint32_t pixel);
    void invertRect(int left, int top, int right, int bottom);

    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
    Color background_;
    std::uint64_t clears_ = 0;
    std::function<void()> refreshListener_;
    TextPainter textPainter_;
};

template <typename RowPainter> void Surface::PaintRows(int left, int top, int width, int height, RowPainter paint)
{
    if (width <= 0 || height <= 0)
        return;
    const int firstX = left < 0 ? 0 : left;
    const int endX = left + width < width_ ? left + width : width_;
    if (firstX >= endX)
        return;
    const bool wholeRows = firstX == left && endX == left + width;
    std::vector<std::uint32_t> scratch(wholeRows ? 0 : static_cast<std::size_t>(width));
    for (int n = 0; n < height; ++n) {
        const int y = top + n;
        if (y < 0 || y >= height_)
            continue;
        if (wholeRows) {
            paint(n, row(y) + left);
        } else {
            paint(n, scratch.data());
            std::copy(scratch.begin() + (firstX - left), scratch.begin() + (endX - left), row(y) + firstX);
        }
    }
}

} // namespace pelmora
