#include "windows/branding.h"

#include "platform/version_record.h"

namespace pelmora {

Branding LoadBranding()
{
    const VersionRecord& version = ProgramVersion();
    return Branding{
        QString::fromUtf8(version.productName),
        QString::fromUtf8(version.companyName),
        QString::fromUtf8(version.comments),
    };
}

} // namespace pelmora
