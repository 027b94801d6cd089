#include "platform/settings_store.h"

#include "platform/regular_file.h"
#include "platform/version_record.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>

namespace pelmora {

namespace {

// Far more than the one key ever needs; a larger file is not the program's.
constexpr qint64 kMaxSettingsBytes = 1 << 20;

// A save takes milliseconds; a copy that holds the lock longer is stuck, and the window must not be.
constexpr int kLockWaitMs = 2000;

QString ProductName() { return QString::fromUtf8(ProgramVersion().productName); }

// QSettings opens its file itself as soon as it is made (a FIFO there blocks it for ever) and writes
// through symlinks to whatever they point at, so it only ever works on a private copy of the
// file's bytes, which were read the safe way. Returns false when `use` could not run or the copy
// could not be parsed; `bytes` then stays as it was.
bool WithCopy(QByteArray& bytes, const std::function<void(QSettings&)>& use)
{
    const QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    const QString copyPath = folder.filePath(QStringLiteral("settings.conf"));
    QFile copy(copyPath);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size() || !copy.flush())
        return false;
    copy.close();
    {
        QSettings store(copyPath, QSettings::IniFormat);
        if (store.status() != QSettings::NoError)
            return false;
        use(store);
        store.sync();
        if (store.status() != QSettings::NoError)
            return false;
    }
    if (!copy.open(QIODevice::ReadOnly))
        return false;
    bytes = copy.readAll();
    return copy.error() == QFileDevice::NoError;
}

QVariantMap Contents(const QSettings& store)
{
    QVariantMap contents;
    for (const QString& key : store.allKeys())
        contents.insert(key, store.value(key));
    return contents;
}

} // namespace

bool ReadSettings(const std::function<void(QSettings&)>& read)
{
    FileContents file = ReadRegularFile(SettingsFilePath(), kMaxSettingsBytes);
    if (!file.error.isEmpty() || file.missing)
        return false;
    return WithCopy(file.bytes, read);
}

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    QVariant value;
    if (!ReadSettings([&](QSettings& store) { value = store.value(section + u'/' + key); }))
        return defaultValue;
    // A hand-edited "a, b" reads back as a list, which no caller stored: treat it as unreadable.
    if (!value.isValid() || value.typeId() != QMetaType::QString)
        return defaultValue;
    return value.toString();
}

bool SaveSetting(const QString& section, const QString& key, const QString& value, QString* error)
{
    return ChangeSettings([&](QSettings& store) { store.setValue(section + u'/' + key, value); }, error);
}

bool ChangeSettings(const std::function<void(QSettings&)>& change, QString* error)
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QString path = SettingsFilePath();
    QString reason;
    if (!CreateFolderOf(path, &reason))
        return fail(reason);
    // The lock QSettings itself takes, so that running copies take turns. A lock that could not
    // even be created is held by nobody; the save itself then says what is wrong.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs) && lock.error() == QLockFile::LockFailedError)
        return fail(QCoreApplication::translate("SettingsStore", "another running copy of the program is saving it"));
    FileContents file = ReadRegularFile(path, kMaxSettingsBytes + 1);
    if (!file.error.isEmpty())
        return fail(file.error);
    if (file.bytes.size() > kMaxSettingsBytes) // only part of it was read: rewriting it would cut it
        return fail(
            QCoreApplication::translate("SettingsStore", "the file is too large to be this program's settings"));
    // A file that cannot be read as settings may hold something of the user's: it is not replaced.
    QVariantMap expected;
    const bool changed = WithCopy(file.bytes, [&](QSettings& store) {
        change(store);
        expected = Contents(store);
    });
    if (!changed)
        return fail(
            QCoreApplication::translate("SettingsStore", "its contents are not settings this program can read"));
    // QSettings does not notice a failed flush of its own: what it wrote must read back in full.
    QByteArray written = file.bytes;
    QVariantMap readBack;
    if (!WithCopy(written, [&](QSettings& store) { readBack = Contents(store); }) || readBack != expected)
        return fail(QCoreApplication::translate("SettingsStore", "the new settings could not be written in full"));
    return ReplaceRegularFile(path, file.bytes, error);
}

QString SettingsFilePath()
{
    // QSettings tells the user's settings folder (with any QSettings::setPath() applied) only
    // through a store, and a store reads its file at once: ask one whose file nobody has.
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pelmora-settings-path-probe"),
        QStringLiteral("probe"));
    const QString userFolder = QFileInfo(QFileInfo(probe.fileName()).absolutePath()).absolutePath();
    const QString product = ProductName();
    return userFolder + u'/' + product + u'/' + product + QStringLiteral(".conf");
}

} // namespace pelmora
