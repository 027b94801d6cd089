#include "picker/surface.h"

#include "picker/picker_bitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace pelmora {

namespace {

constexpr std::uint32_t kInvertMask = 0x00FFFFFFu;

// Copies `count` 24-bit pixels into 32-bit ones, walking the destination forward or backward.
// Reading each source pixel as one 32-bit word (its fourth byte is the next pixel's blue, replaced
// by the opaque alpha) keeps the loop branch-free; the last pixel of a row is assembled byte by
// byte because a 256-pixel row has no padding to read into.
void CopyPictureRow(const std::uint8_t* source, std::uint32_t* destination, int count, bool reversed)
{
    if (count <= 0)
        return;
    const int wordCount = count - 1;
    if (!reversed) {
        for (int i = 0; i < wordCount; ++i) {
            std::uint32_t word;
            std::memcpy(&word, source + 3 * i, sizeof word);
            destination[i] = word | 0xFF000000u;
        }
    } else {
        for (int i = 0; i < wordCount; ++i) {
            std::uint32_t word;
            std::memcpy(&word, source + 3 * i, sizeof word);
            destination[-i] = word | 0xFF000000u;
        }
    }
    const std::uint8_t* last = source + 3 * wordCount;
    const std::uint32_t lastPixel
        = 0xFF000000u | last[0] | (std::uint32_t{last[1]} << 8) | (std::uint32_t{last[2]} << 16);
    destination[reversed ? -wordCount : wordCount] = lastPixel;
}

// The outline pixels of a circle (midpoint rasterisation), each listed once: the octant seams
// produce duplicates that would otherwise be inverted twice and vanish.
std::vector<std::pair<int, int>> CircleOutline(int cx, int cy, int radius)
{
    std::vector<std::pair<int, int>> points;
    if (radius < 0)
        return points;
    int x = 0;
    int y = radius;
    int decision = 1 - radius;
    while (x <= y) {
        for (auto [dx, dy] : {std::pair{x, y}, {y, x}, {-x, y}, {-y, x}, {x, -y}, {y, -x}, {-x, -y}, {-y, -x}})
            points.emplace_back(cx + dx, cy + dy);
        ++x;
        if (decision < 0) {
            decision += 2 * x + 1;
        } else {
            --y;
            decision += 2 * (x - y) + 1;
        }
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    return points;
}

// The edge colours of one border line pair: top/left, then bottom/right.
struct EdgeColors {
    SysColor topLeft;
    SysColor bottomRight;
};

} // namespace

Surface::Surface(int width, int height)
    : width_(std::max(width, 0))
    , height_(std::max(height, 0))
    , pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_))
    , background_(DefaultSystemColors::table()[static_cast<std::size_t>(SysColor::ButtonFace)])
{
    Clear();
}

void Surface::Clear()
{
    std::fill(pixels_.begin(), pixels_.end(), ToPixel(background_));
    ++clears_;
}

void Surface::PutPicture(const PickerBitmap& picture, int left, int top, Mirror mirror)
{
    PutPicture(std::span(picture.data(), picture.size()), picture.width(), picture.height(), left, top, mirror);
}

void Surface::PutPicture(std::span<const std::uint8_t> bytes, int width, int height, int left, int top, Mirror mirror)
{
    if (width <= 0 || height <= 0)
        return;
    const auto stride = static_cast<std::size_t>(PictureStride(width));
    if (bytes.size() / stride < static_cast<std::size_t>(height))
        return;

    // Picture columns that land inside the surface; with a left-right mirror column c lands on
    // x = left + width - 1 - c.
    const bool reversed = mirror == Mirror::LeftRight;
    const int firstX = std::max(left, 0);
    const int lastX = std::min(left + width, width_) - 1;
    if (firstX > lastX)
        return;
    const int firstColumn = reversed ? left + width - 1 - lastX : firstX - left;
    const int columnCount = lastX - firstX + 1;
    const int firstDestinationX = reversed ? lastX : firstX;

    for (int stored = 0; stored < height; ++stored) {
        // Stored rows run bottom-up, so an unmirrored copy puts the first stored row at the bottom.
        const int y = mirror == Mirror::TopBottom ? top + stored : top + height - 1 - stored;
        if (y < 0 || y >= height_)
            continue;
        const std::uint8_t* source
            = bytes.data() + static_cast<std::size_t>(stored) * stride + 3 * static_cast<std::size_t>(firstColumn);
        CopyPictureRow(source, row(y) + firstDestinationX, columnCount, reversed);
    }
}

void Surface::PutPixels(std::span<const std::uint32_t> pixels, int width, int height, int left, int top)
{
    if (width <= 0 || height <= 0 || pixels.size() / static_cast<std::size_t>(width) < static_cast<std::size_t>(height))
        return;
    PaintRows(left, top, width, height, [&](int n, std::uint32_t* destination) {
        std::memcpy(destination, pixels.data() + static_cast<std::size_t>(n) * static_cast<std::size_t>(width),
            static_cast<std::size_t>(width) * sizeof(std::uint32_t));
    });
}

void Surface::fillSpan(int x1, int x2, int y, std::uint32_t pixel)
{
    if (y < 0 || y >= height_)
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width_);
    if (x1 < x2)
        std::fill(row(y) + x1, row(y) + x2, pixel);
}

void Surface::fillRect(int left, int top, int right, int bottom, std::uint32_t pixel)
{
    left = std::max(left, 0);
    right = std::min(right, width_);
    top = std::max(top, 0);
    bottom = std::min(bottom, height_);
    if (left >= right || top >= bottom)
        return;
    const auto width = static_cast<std::size_t>(right - left);
    std::uint32_t* destination = row(top) + left;
    // The frames' edges are one pixel wide and 258 rows tall: a plain store per row beats a fill call.
    if (width == 1) {
        for (int y = top; y < bottom; ++y, destination += width_)
            *destination = pixel;
        return;
    }
    for (int y = top; y < bottom; ++y, destination += width_)
        std::fill_n(destination, width, pixel);
}

void Surface::invertRect(int left, int top, int right, int bottom)
{
    left = std::max(left, 0);
    right = std::min(right, width_);
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y)
        for (int x = left; x < right; ++x)
            row(y)[x] ^= kInvertMask;
}

void Surface::HorizontalLine(int x1, int x2, int y, Color color)
{
    if (x2 >= x1)
        fillSpan(x1, x2, y, ToPixel(color));
    else
        fillSpan(x2 + 1, x1 + 1, y, ToPixel(color));
}

void Surface::InvertCircle(int cx, int cy, int radius)
{
    for (auto [x, y] : CircleOutline(cx, cy, radius))
        if (contains(x, y))
            row(y)[x] ^= kInvertMask;
}

void Surface::InvertBar(int x1, int x2, int y) { invertRect(std::min(x1, x2), y - 1, std::max(x1, x2) + 1, y + 2); }

void Surface::FilledRectangle(int left, int top, int right, int bottom, Color outline, Color fill)
{
    if (right <= left || bottom <= top)
        return;
    const std::uint32_t outlinePixel = ToPixel(outline);
    fillRect(left, top, right, bottom, outlinePixel);
    fillRect(left + 1, top + 1, right - 1, bottom - 1, ToPixel(fill));
}

void Surface::HollowWideRectangle(int left, int top, int right, int bottom, Color color)
{
    if (right <= left || bottom <= top)
        return;
    const std::uint32_t pixel = ToPixel(color);
    // The pen reaches one pixel to either side of the outline columns left, right - 1 and rows
    // top, bottom - 1.
    fillRect(left - 1, top - 1, right + 1, top + 2, pixel); // top band
    fillRect(left - 1, bottom - 2, right + 1, bottom + 1, pixel); // bottom band
    fillRect(left - 1, top - 1, left + 2, bottom + 1, pixel); // left band
    fillRect(right - 2, top - 1, right + 1, bottom + 1, pixel); // right band
}

void Surface::Bevel(Rect rect, BevelStyle style, const SystemColors& colors)
{
    // Outer border first; the bottom/right lines are drawn after the top/left ones and so own the
    // bottom-left and top-right corners.
    auto border = [&](Rect r, EdgeColors edge) {
        if (r.right <= r.left || r.bottom <= r.top)
            return;
        const std::uint32_t dark = ToPixel(colors.GetSysColor(edge.topLeft));
        const std::uint32_t light = ToPixel(colors.GetSysColor(edge.bottomRight));
        fillSpan(r.left, r.right, r.top, dark);
        fillRect(r.left, r.top, r.left + 1, r.bottom, dark);
        fillSpan(r.left, r.right, r.bottom - 1, light);
        fillRect(r.right - 1, r.top, r.right, r.bottom, light);
    };
    switch (style) {
    case BevelStyle::SunkenInner:
        border(rect, {SysColor::DarkShadow3D, SysColor::Light3D});
        break;
    case BevelStyle::SunkenSoft:
        border(rect, {SysColor::DarkShadow3D, SysColor::Highlight3D});
        border({rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1},
            {SysColor::ButtonShadow, SysColor::Light3D});
        break;
    }
}

void Surface::Refresh()
{
    if (refreshListener_)
        refreshListener_();
}

Color Surface::ReadPixel(int x, int y) const
{
    if (!contains(x, y))
        return Color::none();
    return ToColor(
        pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)]);
}

int Surface::DrawTextLine(int x, int y, std::string_view text, Color color)
{
    return textPainter_ ? textPainter_(*this, x, y, text, color) : 0;
}

} // namespace pelmora
