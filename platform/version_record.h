#pragma once
// The program's version record: the identity texts every window and the settings store share.

#include <QString>

namespace pelmora {

struct VersionRecord {
    const char* productName; // "Pelmora"
    const char* companyName; // the owner's name
    const char* comments; // the owner's web address as a bare host name
    int major;
    int minor;
    int revision;
};

const VersionRecord& ProgramVersion();

// The version as windows show it: major "." minor, plain decimal (2 and 10 give "2.10"); no revision.
QString VersionCaption(int major, int minor);

} // namespace pelmora
