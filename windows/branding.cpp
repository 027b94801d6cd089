#include "windows/branding.h"

#include "windows/version_record.h"

namespace pelmora {

Branding& ProgramBranding()
{
    static Branding branding;
    return branding;
}

void LoadBranding()
{
    const VersionRecord& version = ProgramVersion();
    Branding& branding = ProgramBranding();
    branding.strProgramName = QString::fromUtf8(version.productName);
    branding.strOwnerName = QString::fromUtf8(version.companyName);
    branding.strWebsite = QString::fromUtf8(version.comments);
}

QString& strWebRequest()
{
    static QString request;
    return request;
}

} // namespace pelmora
