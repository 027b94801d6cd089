#include "platform/version_record.h"

#include "pelmora_version_record.h"

namespace pelmora {

const VersionRecord& ProgramVersion()
{
    static constexpr VersionRecord record{
        generated::kProductName,
        generated::kCompanyName,
        generated::kComments,
        generated::kMajor,
        generated::kMinor,
        generated::kRevision,
    };
    return record;
}

QString VersionCaption(int major, int minor) { return QString::number(major) + u'.' + QString::number(minor); }

} // namespace pelmora
