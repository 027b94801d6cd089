#pragma once
// The program's version record: the identity texts every window and the settings store share.

namespace pelmora {

struct VersionRecord {
    const char* productName;  // "Pelmora"
    const char* companyName;  // the owner's name
    const char* comments;     // the owner's web address as a bare host name
    int major;
    int minor;
    int revision;
};

const VersionRecord& ProgramVersion();

} // namespace pelmora
