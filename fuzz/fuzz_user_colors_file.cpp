// The custom colours file loaded from disk by the code the main window uses: any bytes in
// usercolors.cps give the colours their text says (what a read of the first megabyte parses to),
// and what is saved from them loads back unchanged.

#include "platform/user_colors_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

struct Folders {
    QTemporaryDir program;
    QTemporaryDir userData;
};

Folders* folders = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    static int argc = 1;
    static char name[] = "fuzz_user_colors_file";
    static char* argv[] = {name, nullptr};
    static auto app = std::make_unique<QCoreApplication>(argc, argv);
    static Folders made;
    if (!made.program.isValid() || !made.userData.isValid())
        std::abort();
    folders = &made;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const pelmora::UserColorsFile file(folders->program.path(), folders->userData.path());
    {
        QFile raw(file.path());
        if (!raw.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || raw.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
            std::abort();
    }
    const pelmora::UserColorArray loaded = file.Load();
    constexpr std::size_t kReadAtMost = 1 << 20;
    const std::string_view text(reinterpret_cast<const char*>(data), std::min(size, kReadAtMost));
    if (loaded != pelmora::ParseUserColors(text))
        std::abort();

    QString error;
    if (!file.Save(loaded, &error) || file.Load() != loaded)
        std::abort();
    return 0;
}
