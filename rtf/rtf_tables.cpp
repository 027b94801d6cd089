#include "rtf/rtf_tables.h"

#include "rtf/rtf_scanner.h"

#include <cstddef>

namespace pelmora {

namespace {

// Far more than any real document names; the limit keeps damaged input from growing the tables.
constexpr std::size_t kMaxTableEntries = 4096;
constexpr qsizetype kMaxFontNameLength = 256;

} // namespace

void RtfFontTable::beginEntry(int number)
{
    commitEntry();
    entryNumber_ = number;
}

void RtfFontTable::appendToName(const QString& text)
{
    if (entryName_.size() < kMaxFontNameLength)
        entryName_ += text;
}

void RtfFontTable::commitEntry()
{
    const QString name = entryName_.trimmed();
    entryName_.clear();
    if (name.isEmpty())
        return;
    if (fonts_.size() < kMaxTableEntries || fonts_.contains(entryNumber_))
        fonts_[entryNumber_] = name;
}

const QString* RtfFontTable::family(int number) const
{
    const auto font = fonts_.find(number);
    return font != fonts_.end() ? &font->second : nullptr;
}

void RtfColorTable::setComponent(RtfKeyword component, std::optional<int> parameter)
{
    const int value = ClampRtfParameter(parameter, 0, 0, 255);
    switch (component) {
    case RtfKeyword::Red:
        red_ = value;
        break;
    case RtfKeyword::Green:
        green_ = value;
        break;
    case RtfKeyword::Blue:
        blue_ = value;
        break;
    default:
        return;
    }
    componentSeen_ = true;
}

void RtfColorTable::commitEntry()
{
    if (colors_.size() < kMaxTableEntries) {
        colors_.push_back(componentSeen_ ? QColor(red_, green_, blue_) : QColor());
    }
    resetEntry();
}

QColor RtfColorTable::color(int index) const
{
    if (index <= 0 || static_cast<std::size_t>(index) >= colors_.size())
        return {};
    return colors_[static_cast<std::size_t>(index)];
}

void RtfColorTable::resetEntry()
{
    componentSeen_ = false;
    red_ = green_ = blue_ = 0;
}

} // namespace pelmora
