#include "platform/remembered_folder.h"

#include "platform/settings_store.h"

#include <QDir>
#include <QFileInfo>

namespace pelmora {

namespace {

const QString kFoldersSection = QStringLiteral("Folders");

} // namespace

QString RememberedFolder(const QString& key)
{
    const QString stored = GetSetting(kFoldersSection, key, QString());
    const QFileInfo folder(stored);
    // A relative path would be read against the current folder, which the dialogs never start in.
    if (stored.isEmpty() || folder.isRelative() || !folder.isDir())
        return QDir::homePath();
    return folder.absoluteFilePath();
}

bool RememberFolder(const QString& key, const QString& folder)
{
    if (GetSetting(kFoldersSection, key, QString()) == folder)
        return true;
    return SaveSetting(kFoldersSection, key, folder);
}

} // namespace pelmora
