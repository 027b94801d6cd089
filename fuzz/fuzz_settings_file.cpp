// The settings file as the program reads it: any bytes in Pelmora.conf give the defaults or what
// they say, within the stated number of templates, and saving the chosen notation into them
// either stores it (and it reads back) or leaves every byte as it was.

#include "platform/notation_settings.h"
#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    static int argc = 1;
    static char name[] = "fuzz_settings_file";
    static char* argv[] = {name, nullptr};
    static auto app = std::make_unique<QCoreApplication>(argc, argv);
    static QTemporaryDir home;
    if (!home.isValid())
        std::abort();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    if (!QDir().mkpath(QFileInfo(pelmora::SettingsFilePath()).absolutePath()))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = pelmora::SettingsFilePath();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            std::abort();
    }
    if (pelmora::LoadUserTemplates().size() > pelmora::kMaxUserTemplates)
        std::abort();
    pelmora::GetSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("1"));

    const QString chosen = QStringLiteral("template:a, \"b\"; c");
    if (pelmora::SaveChosenNotation(chosen)) {
        if (pelmora::LoadChosenNotation() != chosen)
            std::abort();
    } else if (FileBytes(path) != bytes) {
        std::abort();
    }
    return 0;
}
