#include "picker/picker_bitmap.h"
#include "picker/surface.h"

#include <gtest/gtest.h>

#include <climits>

namespace pelmora {
namespace {

constexpr Color kBack = RGB(1, 2, 3);

Surface SmallSurface()
{
    Surface surface(8, 6);
    surface.setBackground(kBack);
    surface.Clear();
    return surface;
}

// A 3 x 2 picture whose pixel (column c, picture row y from the top) is RGB(10c + y, 100, 200).
PickerBitmap NumberedPicture()
{
    PickerBitmap picture(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int c = 0; c < 3; ++c) {
            std::uint8_t* pixel = picture.pictureRow(y) + 3 * c;
            pixel[0] = 200;
            pixel[1] = 100;
            pixel[2] = static_cast<std::uint8_t>(10 * c + y);
        }
    return picture;
}

TEST(PickerBitmapInfo, RowsArePaddedToFourBytes)
{
    const std::pair<int, int> strides[] = {{15, 48}, {256, 768}, {1, 4}, {3, 12}, {0, 0}};
    for (auto [width, stride] : strides)
        EXPECT_EQ(PictureStride(width), stride) << "width " << width;
    const PickerBitmap strip(15, 256);
    EXPECT_EQ(strip.info().headerSize, 40);
    EXPECT_EQ(strip.info().planes, 1);
    EXPECT_EQ(strip.info().bitsPerPixel, 24);
    EXPECT_EQ(strip.info().compression, 0);
    EXPECT_EQ(strip.size(), 12288u);
}

TEST(Surface, PutPictureHonoursTheThreeMirrorModes)
{
    struct Case {
        const char* name;
        Mirror mirror;
        int column0, row0; // picture column and row expected at the rectangle's top-left
        int columnStep, rowStep;
    };
    const Case cases[] = {
        {"none", Mirror::None, 0, 0, 1, 1},
        {"left-right", Mirror::LeftRight, 2, 0, -1, 1},
        {"top-bottom", Mirror::TopBottom, 0, 1, 1, -1},
    };
    for (const Case& c : cases) {
        Surface surface = SmallSurface();
        surface.PutPicture(NumberedPicture(), 2, 1, c.mirror);
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 3; ++dx) {
                const int column = c.column0 + c.columnStep * dx;
                const int row = c.row0 + c.rowStep * dy;
                EXPECT_EQ(surface.ReadPixel(2 + dx, 1 + dy), RGB(10 * column + row, 100, 200))
                    << c.name << " at " << dx << ", " << dy;
            }
        EXPECT_EQ(surface.ReadPixel(1, 1), kBack) << c.name;
        EXPECT_EQ(surface.ReadPixel(5, 1), kBack) << c.name;
        EXPECT_EQ(surface.ReadPixel(2, 3), kBack) << c.name;
    }
}

TEST(Surface, PutPictureClipsAtEveryEdgeAndRefusesShortData)
{
    for (Mirror mirror : {Mirror::None, Mirror::LeftRight, Mirror::TopBottom})
        for (int left = -4; left <= 9; ++left)
            for (int top = -3; top <= 7; ++top) {
                Surface surface = SmallSurface();
                surface.PutPicture(NumberedPicture(), left, top, mirror);
                Surface reference = SmallSurface();
                // The same copy pixel by pixel through an unclipped larger surface.
                Surface big(20, 20);
                big.PutPicture(NumberedPicture(), left + 6, top + 6, mirror);
                for (int y = 0; y < 6; ++y)
                    for (int x = 0; x < 8; ++x) {
                        const bool inside = x >= left && x < left + 3 && y >= top && y < top + 2;
                        const Color want = inside ? big.ReadPixel(x + 6, y + 6) : kBack;
                        ASSERT_EQ(surface.ReadPixel(x, y), want)
                            << "picture at " << left << ", " << top << ", pixel " << x << ", " << y;
                    }
            }
    Surface surface = SmallSurface();
    const std::uint8_t tooShort[10] = {};
    surface.PutPicture(std::span(tooShort), 3, 2, 0, 0, Mirror::None);
    surface.PutPicture(std::span(tooShort), -3, 2, 0, 0, Mirror::None);
    EXPECT_EQ(surface.ReadPixel(0, 0), kBack);
}

TEST(Surface, ShapesCoverExactlyTheirPixels)
{
    struct Case {
        const char* name;
        void (*draw)(Surface&);
        const char* expected; // rows of the 8 x 6 surface: '.' background, 'o' outline/line, '#' fill, '~' inverted
    };
    const Case cases[] = {
        {"line, end pixel excluded", [](Surface& s) { s.HorizontalLine(1, 5, 2, Color::white()); },
            "........ ........ .oooo... ........ ........ ........"},
        {"line drawn leftward", [](Surface& s) { s.HorizontalLine(5, 1, 2, Color::white()); },
            "........ ........ ..oooo.. ........ ........ ........"},
        {"filled rectangle", [](Surface& s) { s.FilledRectangle(1, 1, 5, 5, Color::white(), Color::black()); },
            "........ .oooo... .o##o... .o##o... .oooo... ........"},
        {"hollow wide rectangle", [](Surface& s) { s.HollowWideRectangle(2, 1, 7, 6, Color::white()); },
            ".ooooooo .ooooooo .ooooooo .ooo.ooo .ooooooo .ooooooo"},
        {"invert bar", [](Surface& s) { s.InvertBar(5, 2, 3); },
            "........ ........ ..~~~~.. ..~~~~.. ..~~~~.. ........"},
        {"clipped everything",
            [](Surface& s) {
                s.HorizontalLine(INT_MIN, INT_MAX, 0, Color::white());
                s.FilledRectangle(-100, 5, 100, 1000, Color::white(), Color::white());
                s.InvertBar(-50, 50, -1);
                s.InvertCircle(3, 3, 1000);
                s.HollowWideRectangle(-9, -9, -5, -5, Color::black());
            },
            "######## ........ ........ ........ ........ oooooooo"}, // the bar re-inverts row 0
    };
    for (const Case& c : cases) {
        Surface surface = SmallSurface();
        c.draw(surface);
        std::string got;
        for (int y = 0; y < 6; ++y) {
            if (y > 0)
                got += ' ';
            for (int x = 0; x < 8; ++x) {
                const Color p = surface.ReadPixel(x, y);
                got += p == kBack           ? '.'
                    : p == Color::white()   ? 'o'
                    : p == Color::black()   ? '#'
                    : p == kBack.inverted() ? '~'
                                            : '?';
            }
        }
        EXPECT_EQ(got, c.expected) << c.name;
    }
}

TEST(Surface, ReadPixelIsMinusOneOutsideAndExactInside)
{
    Surface surface = SmallSurface();
    surface.HorizontalLine(0, 1, 0, Color(0x123456));
    EXPECT_EQ(surface.ReadPixel(0, 0), Color(0x123456));
    EXPECT_EQ(surface.pixels()[0], 0xFF563412u); // shown as a 32-bit RGB image
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {8, 0}, {0, 6}, {INT_MIN, INT_MAX}})
        EXPECT_EQ(surface.ReadPixel(x, y), Color::none()) << x << ", " << y;
    EXPECT_EQ(Surface(-5, 3).width(), 0);
}

TEST(Surface, TextGoesThroughThePainterHook)
{
    Surface surface = SmallSurface();
    EXPECT_EQ(surface.DrawTextLine(1, 1, "R: 12", Color::black()), 0);
    surface.setTextPainter([](Surface& s, int x, int y, std::string_view text, Color color) {
        s.HorizontalLine(x, x + static_cast<int>(text.size()), y, color);
        return 13;
    });
    EXPECT_EQ(surface.DrawTextLine(1, 4, "abc", Color::white()), 13);
    EXPECT_EQ(surface.ReadPixel(3, 4), Color::white());
    EXPECT_EQ(surface.ReadPixel(4, 4), kBack);
}

} // namespace
} // namespace pelmora
