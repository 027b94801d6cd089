#include "palette/ase_format.h"

#include "palette/palette_text.h"
#include "palette/utf16.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace pelmora {
namespace {

constexpr std::string_view kMagic = "ASEF";
constexpr std::size_t kHeaderBytes = 12;
constexpr std::size_t kBlockHeaderBytes = 6;
constexpr std::uint16_t kGroupStart = 0xC001;
constexpr std::uint16_t kGroupEnd = 0xC002;
constexpr std::uint16_t kColorEntry = 0x0001;
constexpr std::uint16_t kKindNormal = 2;

void Put16(std::string& out, std::uint16_t value)
{
    out += static_cast<char>(value >> 8);
    out += static_cast<char>(value & 0xFF);
}

void Put32(std::string& out, std::uint32_t value)
{
    Put16(out, static_cast<std::uint16_t>(value >> 16));
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
}

// Name length, UTF-16BE units, NUL. Names longer than the 16-bit length allows are cut.
std::string NameField(std::string_view utf8)
{
    std::u16string units = Utf8ToUtf16(utf8);
    if (units.size() > 0xFFFE)
        units.resize(0xFFFE);
    std::string out;
    Put16(out, static_cast<std::uint16_t>(units.size() + 1));
    for (const char16_t unit : units)
        Put16(out, static_cast<std::uint16_t>(unit));
    Put16(out, 0);
    return out;
}

void PutBlock(std::string& out, std::uint16_t type, const std::string& content)
{
    Put16(out, type);
    Put32(out, static_cast<std::uint32_t>(content.size()));
    out += content;
}

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes)
        : bytes_(bytes)
    {
    }
    std::size_t offset() const { return offset_; }
    std::size_t remaining() const { return bytes_.size() - offset_; }
    std::uint16_t get16()
    {
        const std::uint16_t value = static_cast<std::uint16_t>((byte(offset_) << 8) | byte(offset_ + 1));
        offset_ += 2;
        return value;
    }
    std::uint32_t get32()
    {
        const std::uint32_t high = get16();
        return (high << 16) | get16();
    }
    std::string_view take(std::size_t count)
    {
        const std::string_view part = bytes_.substr(offset_, count);
        offset_ += count;
        return part;
    }

private:
    unsigned byte(std::size_t at) const { return static_cast<unsigned char>(bytes_[at]); }
    std::string_view bytes_;
    std::size_t offset_ = 0;
};

std::string FloatText(float value)
{
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}

struct Components {
    std::string_view model;
    int count;
};

constexpr Components kModels[] = {{"RGB ", 3}, {"Gray", 1}, {"CMYK", 4}, {"LAB ", 3}};

// The name field at the start of `block`: sets `name` and advances `block`; an error text otherwise.
std::optional<std::string> ReadName(ByteReader& block, std::string& name)
{
    if (block.remaining() < 2)
        return "the block ends before its name length";
    const std::size_t units = block.get16();
    if (units * 2 > block.remaining())
        return "a name of " + std::to_string(units) + " characters runs past the end of its block";
    std::u16string text;
    text.reserve(units);
    const std::string_view raw = block.take(units * 2);
    for (std::size_t i = 0; i < units; ++i)
        text += static_cast<char16_t>(
            (static_cast<unsigned char>(raw[2 * i]) << 8) | static_cast<unsigned char>(raw[2 * i + 1]));
    if (!text.empty() && text.back() == u'\0')
        text.pop_back();
    auto utf8 = Utf16ToUtf8(text);
    if (!utf8)
        return std::string("the name is not valid UTF-16");
    if (utf8->size() > kMaxPaletteNameBytes)
        return "the name is longer than " + std::to_string(kMaxPaletteNameBytes) + " bytes";
    name = std::move(*utf8);
    return std::nullopt;
}

int ToChannel(float value) { return static_cast<int>(std::nearbyint(static_cast<double>(value) * 255.0)); }

PaletteReadResult ReadColorBlock(std::string_view content, std::size_t at, PaletteEntry& entry)
{
    ByteReader block(content);
    if (auto error = ReadName(block, entry.name))
        return FailAtByte(at, *error);
    if (block.remaining() < 4)
        return FailAtByte(at, "the colour block ends before its colour model");
    const std::string_view model = block.take(4);
    const Components* found = nullptr;
    for (const Components& known : kModels) {
        if (known.model == model)
            found = &known;
    }
    if (!found)
        return FailAtByte(at, "unknown colour model " + Quoted(model));
    if (found->model == "LAB ")
        return FailAtByte(at, "Lab colours cannot be read; export the swatches as RGB");
    const std::size_t expected = static_cast<std::size_t>(found->count) * 4 + 2;
    if (block.remaining() != expected)
        return FailAtByte(at,
            "a " + std::string(TrimBlanks(model)) + " colour needs " + std::to_string(expected)
                + " bytes after its model, the block has " + std::to_string(block.remaining()));
    float values[4] = {};
    for (int i = 0; i < found->count; ++i) {
        values[i] = std::bit_cast<float>(block.get32());
        if (!(values[i] >= 0.0f && values[i] <= 1.0f))
            return FailAtByte(at,
                "component " + std::to_string(i + 1) + " is " + FloatText(values[i]) + ", not a number from 0 to 1");
    }
    if (found->model == "RGB ") {
        entry.color = RGB(ToChannel(values[0]), ToChannel(values[1]), ToChannel(values[2]));
    } else if (found->model == "Gray") {
        const int gray = ToChannel(values[0]);
        entry.color = RGB(gray, gray, gray);
    } else {
        const float white = 1.0f - values[3];
        entry.color = RGB(ToChannel((1.0f - values[0]) * white), ToChannel((1.0f - values[1]) * white),
            ToChannel((1.0f - values[2]) * white));
    }
    return {};
}

// What the blocks read so far have built.
struct AseReading {
    Palette palette;
    bool named = false; // the first group has named the palette
    int depth = 0; // groups open
};

// The 12-byte header: checks it and sets `blockCount` to the number of blocks it announces.
PaletteReadResult ReadHeader(std::string_view bytes, ByteReader& reader, std::uint32_t& blockCount)
{
    if (bytes.size() > kMaxPaletteFileBytes)
        return {{},
            PaletteError{PaletteError::Place::File, 0,
                "the file is larger than " + std::to_string(kMaxPaletteFileBytes / (1024 * 1024)) + " MiB"}};
    if (!bytes.starts_with(kMagic))
        return FailAtByte(0, "an Adobe swatch exchange file starts with 'ASEF'");
    if (bytes.size() < kHeaderBytes)
        return FailAtByte(bytes.size(), "the file ends inside its 12-byte header");
    reader.take(4);
    const std::uint16_t major = reader.get16();
    const std::uint16_t minor = reader.get16();
    if (major != 1)
        return FailAtByte(
            4, "version " + std::to_string(major) + "." + std::to_string(minor) + " cannot be read, only version 1");
    blockCount = reader.get32();
    const std::size_t room = reader.remaining() / kBlockHeaderBytes;
    if (blockCount > room)
        return FailAtByte(8,
            std::to_string(blockCount) + " blocks announced, but the file has room for at most "
                + std::to_string(room));
    return {};
}

// Block `index` of `blockCount`: a group start or end, or a colour.
PaletteReadResult ReadBlock(ByteReader& reader, std::uint32_t index, std::uint32_t blockCount, AseReading& reading)
{
    const std::size_t at = reader.offset();
    if (reader.remaining() < kBlockHeaderBytes)
        return FailAtByte(
            at, "the file ends before block " + std::to_string(index + 1) + " of " + std::to_string(blockCount));
    const std::uint16_t type = reader.get16();
    const std::uint32_t length = reader.get32();
    if (length > reader.remaining())
        return FailAtByte(at, "a block of " + std::to_string(length) + " bytes runs past the end of the file");
    const std::string_view content = reader.take(length);
    if (type == kGroupStart) {
        ByteReader group(content);
        std::string name;
        if (auto error = ReadName(group, name))
            return FailAtByte(at, *error);
        if (!reading.named)
            reading.palette.name = std::move(name);
        reading.named = true;
        ++reading.depth;
    } else if (type == kGroupEnd) {
        if (reading.depth == 0)
            return FailAtByte(at, "a group ends that never started");
        --reading.depth;
    } else if (type == kColorEntry) {
        if (reading.palette.entries.size() == kMaxPaletteColors)
            return FailAtByte(at, "more than " + std::to_string(kMaxPaletteColors) + " colours");
        PaletteEntry entry;
        if (PaletteReadResult failed = ReadColorBlock(content, at, entry); !failed.ok())
            return failed;
        reading.palette.entries.push_back(std::move(entry));
    } else {
        char hex[8];
        const auto end = std::to_chars(hex, hex + sizeof hex, type, 16).ptr;
        return FailAtByte(at, "unknown block type 0x" + std::string(hex, end));
    }
    return {};
}

} // namespace

std::string WriteAse(const Palette& palette)
{
    std::string out(kMagic);
    Put16(out, 1);
    Put16(out, 0);
    Put32(out, static_cast<std::uint32_t>(palette.entries.size() + 2));
    PutBlock(out, kGroupStart, NameField(palette.name));
    for (const PaletteEntry& entry : palette.entries) {
        std::string content = NameField(entry.name);
        content += "RGB ";
        for (const int channel : {entry.color.red(), entry.color.green(), entry.color.blue()})
            Put32(content, std::bit_cast<std::uint32_t>(static_cast<float>(channel) / 255.0f));
        Put16(content, kKindNormal);
        PutBlock(out, kColorEntry, content);
    }
    PutBlock(out, kGroupEnd, {});
    return out;
}

PaletteReadResult ReadAse(std::string_view bytes)
{
    ByteReader reader(bytes);
    std::uint32_t blockCount = 0;
    if (PaletteReadResult failed = ReadHeader(bytes, reader, blockCount); !failed.ok())
        return failed;
    AseReading reading;
    for (std::uint32_t index = 0; index < blockCount; ++index) {
        if (PaletteReadResult failed = ReadBlock(reader, index, blockCount, reading); !failed.ok())
            return failed;
    }
    if (reader.remaining() > 0)
        return FailAtByte(reader.offset(),
            std::to_string(reader.remaining()) + " bytes follow the last of the " + std::to_string(blockCount)
                + " announced blocks");
    return {std::move(reading.palette), std::nullopt};
}

} // namespace pelmora
