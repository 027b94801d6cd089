#include "notations/code_writer.h"

namespace pelmora {

CodeWriter WriterFor(const Notation& notation)
{
    return [&notation](Color color) { return FormatIn(notation, color); };
}

CodeWriter WriterForChosenNotation(std::string_view key, std::span<const UserTemplate> templates)
{
    if (key.starts_with(kTemplateKeyPrefix)) {
        const std::string_view name = key.substr(kTemplateKeyPrefix.size());
        for (const UserTemplate& userTemplate : templates) {
            if (userTemplate.name != name)
                continue;
            auto parsed = ColorTemplate::Parse(userTemplate.pattern);
            if (!parsed.result)
                return {};
            return [colorTemplate = std::move(*parsed.result)](
                       Color color) -> std::optional<std::string> { return colorTemplate.format(color); };
        }
        return {};
    }
    const Notation* notation = FindNotation(key);
    return WriterFor(notation ? *notation : BuiltInNotations().front());
}

} // namespace pelmora
