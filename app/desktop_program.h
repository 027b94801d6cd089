#pragma once
// The desktop program: the windows, from the first to the last.

namespace pelmora {

int RunDesktopProgram(int argc, char** argv);

} // namespace pelmora
