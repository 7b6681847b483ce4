// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace tervane {

QString addBackslash(const QString& path)
{
    const QChar separator = QDir::separator();
    return path.endsWith(separator) ? path : path + separator;
}

bool pathExists(const QString& path, int attributes)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    int present = 0;
    if (info.isDir())
        present |= DirectoryAttribute;
    if (!info.isWritable())
        present |= 1;
    if (info.fileName().startsWith(u'.'))
        present |= 2;
    if (attributes == 0)
        return !(present & DirectoryAttribute);
    return (present & attributes) == attributes;
}

QString journalFolderOf(const SpecialFolders& folders)
{
    return folders.state.isEmpty() ? QString() : folders.state + QStringLiteral("/tervane");
}

QString earlierJournalFolderOf(const QString& settingsFile)
{
    return QFileInfo(settingsFile).absolutePath() + QStringLiteral("/journal");
}

QString canonicalFolder(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}

} // namespace tervane
