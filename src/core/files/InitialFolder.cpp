// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/InitialFolder.h"

#include "text/TextHelpers.h"

#include <QDir>

namespace tervane {

namespace {

bool isDrive(const QString& path)
{
    return path.size() == 2 && path[1] == u':';
}

} // namespace

QString walkUpToExistingFolder(QString candidate, const QString& programFolder,
                               const FolderTest& folderExists)
{
    const QChar separator = QDir::separator();
    while (!folderExists(candidate)) {
        const qsizetype last = candidate.lastIndexOf(separator);
        if (candidate.size() < 4 || last < 0)
            return programFolder;
        candidate.truncate(last);
        if (candidate.isEmpty() || isDrive(candidate))
            candidate += separator; // the root of the file system or of a drive
    }
    return candidate;
}

} // namespace tervane
