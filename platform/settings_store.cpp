#include "platform/settings_store.h"

#include "platform/ini_lines.h"
#include "platform/regular_file.h"
#include "platform/version_record.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <utility>

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

std::optional<QVariantMap> ContentsOf(QByteArray bytes)
{
    QVariantMap contents;
    if (!WithCopy(bytes, [&](QSettings& store) { contents = Contents(store); }))
        return std::nullopt;
    return contents;
}

// Whether QSettings would write `bytes` back byte for byte. It writes the whole file from what it
// read: comments and blank lines are dropped, sections and keys sorted, values in its own quoting.
bool WritesBackAsItWas(const QByteArray& bytes)
{
    const std::optional<QVariantMap> contents = ContentsOf(bytes);
    QByteArray written;
    return contents && WithCopy(written, [&](QSettings& store) {
        for (auto setting = contents->begin(); setting != contents->end(); ++setting)
            store.setValue(setting.key(), setting.value());
    }) && written == bytes;
}

// The section line and the "key=value" line of one setting, as QSettings writes them.
std::optional<std::pair<QByteArray, QByteArray>> SettingLines(const QString& key, const QString& value)
{
    QByteArray bytes;
    if (!WithCopy(bytes, [&](QSettings& store) { store.setValue(key, value); }))
        return std::nullopt;
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < 2 || !lines[0].startsWith('['))
        return std::nullopt;
    return std::pair{lines[0], lines[1]};
}

// Under the lock: the file's bytes to `rewrite`, which makes them the new contents or says why
// not; they then replace the file.
bool RewriteSettingsFile(const std::function<bool(QByteArray& bytes, QString& reason)>& rewrite, QString* error)
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
    if (!rewrite(file.bytes, reason))
        return fail(reason);
    return ReplaceRegularFile(path, file.bytes, error);
}

// `bytes` as QSettings writes them after `change`, checked; a file it would not write back as it
// was is left alone, so nothing the user wrote there is lost.
bool RewriteWithQSettings(QByteArray& bytes, const std::function<void(QSettings&)>& change, QString& reason)
{
    // A file that cannot be read as settings may hold something of the user's: it is not replaced.
    QVariantMap expected;
    QByteArray changed = bytes;
    if (!WithCopy(changed, [&](QSettings& store) {
            change(store);
            expected = Contents(store);
        })) {
        reason = QCoreApplication::translate("SettingsStore", "its contents are not settings this program can read");
        return false;
    }
    if (!WritesBackAsItWas(bytes)) {
        reason = QCoreApplication::translate("SettingsStore",
            "it holds lines this program would not write back as they are (comments, blank lines, or sections in "
            "an order of their own)");
        return false;
    }
    // QSettings does not notice a failed flush of its own: what it wrote must read back in full.
    if (ContentsOf(changed) != expected) {
        reason = QCoreApplication::translate("SettingsStore", "the new settings could not be written in full");
        return false;
    }
    bytes = changed;
    return true;
}

// `bytes` of a settings file with `key` in `section` set to `value` and nothing else changed;
// nullopt when the line cannot be changed on its own (or `bytes` are not settings).
std::optional<QByteArray> SettingsWithValue(
    const QByteArray& bytes, const QString& section, const QString& key, const QString& value)
{
    const QString fullKey = section + u'/' + key;
    QVariantMap expected;
    QByteArray changed = bytes;
    if (!WithCopy(changed, [&](QSettings& store) {
            store.setValue(fullKey, value);
            expected = Contents(store);
        }))
        return std::nullopt;
    // Only the one line changes, so comments, blank lines and the order stay as the user left them.
    if (const auto lines = SettingLines(fullKey, value)) {
        QByteArray edited = WithIniLine(bytes, lines->first, lines->second);
        if (ContentsOf(edited) == expected)
            return edited;
    }
    return std::nullopt;
}

} // namespace

bool ReadSettings(const std::function<void(QSettings&)>& read)
{
    return ReadSettingsAndText([&](QSettings& store, QByteArrayView) { read(store); });
}

bool ReadSettingsAndText(const std::function<void(QSettings&, QByteArrayView)>& read)
{
    FileContents file = ReadRegularFile(SettingsFilePath(), kMaxSettingsBytes);
    if (!file.error.isEmpty() || file.missing)
        return false;
    QByteArray copy = file.bytes;
    return WithCopy(copy, [&](QSettings& store) { read(store, file.bytes); });
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
    return RewriteSettingsFile(
        [&](QByteArray& bytes, QString& reason) {
            if (auto edited = SettingsWithValue(bytes, section, key, value)) {
                bytes = *edited;
                return true;
            }
            // A line the editor does not understand: QSettings writes the file, if that loses nothing.
            return RewriteWithQSettings(
                bytes, [&](QSettings& store) { store.setValue(section + u'/' + key, value); }, reason);
        },
        error);
}

bool ChangeSettings(const std::function<void(QSettings&)>& change, QString* error)
{
    return RewriteSettingsFile(
        [&](QByteArray& bytes, QString& reason) { return RewriteWithQSettings(bytes, change, reason); }, error);
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
