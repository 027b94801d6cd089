#pragma once
// The off-screen picture shared by the hue strip and the field renderers: 24 bits per pixel,
// rows stored bottom-up (the first row in memory is the bottom row of the picture), each pixel
// blue, green, red, each row padded to a multiple of 4 bytes.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pelmora {

// Bytes per stored row for a picture `width` pixels wide: 48 for 15, 768 for 256.
constexpr int PictureStride(int width) { return width <= 0 ? 0 : (width * 3 + 3) / 4 * 4; }

struct PickerBitmapInfo {
    std::int32_t headerSize = 40;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int16_t planes = 1;
    std::int16_t bitsPerPixel = 24;
    std::int32_t compression = 0; // uncompressed

    constexpr int stride() const { return PictureStride(width); }
    constexpr std::size_t imageSize() const
    {
        return height <= 0 ? 0 : static_cast<std::size_t>(stride()) * static_cast<std::size_t>(height);
    }
};

// A picture description with its pixel bytes, all zero when created.
class PickerBitmap {
public:
    PickerBitmap(int width, int height);

    const PickerBitmapInfo& info() const { return info_; }
    int width() const { return info_.width; }
    int height() const { return info_.height; }
    int stride() const { return info_.stride(); }

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    std::size_t size() const { return bytes_.size(); }

    // Row `n` in storage order (0 is the bottom row of the picture).
    std::uint8_t* storedRow(int n)
    {
        return bytes_.data() + static_cast<std::size_t>(n) * static_cast<std::size_t>(stride());
    }
    const std::uint8_t* storedRow(int n) const
    {
        return bytes_.data() + static_cast<std::size_t>(n) * static_cast<std::size_t>(stride());
    }

    // Row `y` counted from the top of the picture.
    std::uint8_t* pictureRow(int y) { return storedRow(info_.height - 1 - y); }
    const std::uint8_t* pictureRow(int y) const { return storedRow(info_.height - 1 - y); }

private:
    PickerBitmapInfo info_;
    std::vector<std::uint8_t> bytes_;
};

} // namespace pelmora
