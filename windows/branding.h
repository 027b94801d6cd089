#pragma once
// The branding record: the program's, the owner's and the web address texts. Windows take these
// from the one record the application hands them, so that every caption shows the same texts.

#include <QString>

namespace pelmora {

struct Branding {
    QString programName; // product name of the version record
    QString ownerName; // company name of the version record
    QString website; // comments of the version record: a bare host name

    friend bool operator==(const Branding&, const Branding&) = default;
};

// A record filled afresh from the version record; every call gives the same texts.
Branding LoadBranding();

} // namespace pelmora
