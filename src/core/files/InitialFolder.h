// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace tervane {

using FolderTest = std::function<bool(const QString&)>;

// Walks a candidate up to its nearest existing folder. A candidate too short
// to walk up (or without a separator to cut at) gives the program's folder.
QString walkUpToExistingFolder(QString candidate, const QString& programFolder,
                               const FolderTest& folderExists);

} // namespace tervane
