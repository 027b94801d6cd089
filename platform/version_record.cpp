#include "windows/version_record.h"

#include "pelmora_version_record.h"

namespace pelmora {

const VersionRecord& ProgramVersion()
{
    static constexpr VersionRecord record{
        generated::kProductName, generated::kCompanyName, generated::kComments,
        generated::kMajor,       generated::kMinor,       generated::kRevision,
    };
    return record;
}

} // namespace pelmora
