#pragma once
// The process-wide branding record and the launcher's request word. Windows read these instead of
// the version record so that every caption shows the same texts.

#include <QString>

namespace pelmora {

struct Branding {
    QString strProgramName;  // product name of the version record
    QString strOwnerName;    // company name of the version record
    QString strWebsite;      // comments of the version record: a bare host name
};

// The single record for the whole process; empty until the first LoadBranding().
Branding& ProgramBranding();

// Fills every field of the record afresh from the version record; harmless to call repeatedly.
void LoadBranding();

// "Website" asks the next load of the launcher to open the owner's web address. Empty at start.
QString& strWebRequest();

} // namespace pelmora
