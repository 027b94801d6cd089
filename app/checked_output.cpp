#include "app/checked_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>

namespace pelmora {

int FinishOutput(std::ostream& out, std::ostream& err, std::string_view who, int status)
{
    // The stream keeps no reason; the C library's is in errno right after the failing write, which
    // may have been an earlier one when the stream has failed already.
    const int earlier = out.good() ? 0 : errno;
    errno = 0;
    out.flush();
    if (out.good())
        return status;
    const int reason = earlier != 0 ? earlier : errno;
    err << who << ": cannot write the output";
    if (reason != 0)
        err << " (" << std::strerror(reason) << ')';
    err << '\n';
    err.flush();
    return kOutputFailedStatus;
}

void HoldClosedStandardStreams()
{
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free descriptor, which is this one: those below it are held by now.
        const int held = ::open("/dev/null", stream == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (held != stream && held >= 0)
            ::close(held);
    }
}

} // namespace pelmora
