// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StartupLock.h"

#include <QDir>
#include <QStandardPaths>

namespace tervane {

StartupLock::StartupLock(const QString& title)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    m_lock = std::make_unique<QLockFile>(QDir(folder).filePath(title + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0);
    (void)m_lock->tryLock(0);
}

} // namespace tervane
