// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/FolderLock.h"

namespace tervane {

FolderLock::FolderLock(FileSystem& fileSystem, const QString& folder)
    : m_result(fileSystem.lockFolder(folder))
{}

} // namespace tervane
