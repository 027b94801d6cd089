#pragma once
// A command's output can fail to arrive: a full disk, a closed standard output, a broken pipe.
// Streams only buffer, so a command that wrote everything may still have lost it at the final
// flush; a command that could not deliver what it was asked for must not report success.

#include <iosfwd>
#include <string_view>

namespace pelmora {

// The exit status of a command whose output could not be written.
inline constexpr int kOutputFailedStatus = 1;

// Flushes `out`. Returns `status` when everything written to it arrived; otherwise says so on
// `err` in one line that starts with `who` ("pelmora codes") and returns kOutputFailedStatus.
int FinishOutput(std::ostream& out, std::ostream& err, std::string_view who, int status);

// A standard stream the program was started without (`>&-`) leaves its descriptor free, and the
// next file or socket opened (Qt opens some) would take the command's output. Holds each closed one
// with /dev/null opened the other way round, so that using it fails as a closed one does.
void HoldClosedStandardStreams();

} // namespace pelmora
