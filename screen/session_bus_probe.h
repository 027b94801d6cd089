#pragma once
// Whether the session bus answers, asked with a time limit before anything opens it. Qt opens the
// bus with no limit on its wait (for the portal, and for screen readers when a window first shows),
// so a bus that takes the connection and never answers would hold the program for ever.

#include <chrono>
#include <string>

namespace pelmora {

enum class SessionBusState {
    Answers, // it took part in a greeting within the limit
    Silent, // it took the connection but did not answer within the limit
    Absent, // nothing takes a connection at its address
    Unchecked, // an address this check does not speak (TCP, autolaunch, ...): left to D-Bus itself
};

// Greets the session bus named by DBUS_SESSION_BUS_ADDRESS (or $XDG_RUNTIME_DIR/bus), as D-Bus
// would reach it, and gives up after `limit`.
SessionBusState ProbeSessionBus(std::chrono::milliseconds limit);

// The same for a bus address in D-Bus's notation ("unix:path=/run/user/1000/bus;unix:abstract=x").
SessionBusState ProbeBusAddress(const std::string& address, std::chrono::milliseconds limit);

// The value that keeps Qt away from a bus that does not answer: it then finds no bus at all.
inline constexpr const char* kNoSessionBusAddress = "disabled:";

// How long a program of ours waits for the session bus to answer before it goes on without it.
inline constexpr std::chrono::seconds kSessionBusWait(3);

// Run before the Qt application object exists: a session bus that takes the connection and stays
// silent for `limit` is hidden from Qt (DBUS_SESSION_BUS_ADDRESS becomes kNoSessionBusAddress).
// Returns whether it was.
bool HideSilentSessionBus(std::chrono::milliseconds limit = kSessionBusWait);

} // namespace pelmora
