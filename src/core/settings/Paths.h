// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/SpecialFolders.h"

#include <QString>

namespace tervane {

inline constexpr int DirectoryAttribute = 16;

// The path followed by the separator unless it already ends with one.
QString addBackslash(const QString& path);

// True when the path exists and carries every requested attribute bit; with
// no bit requested, true only for an existing path that is not a folder.
// Bits: 1 read-only, 2 hidden (a dot-file), 16 folder.
bool pathExists(const QString& path, int attributes);

// Where the journals of the renamings are kept: the program's folder in the
// state folder; none when there is no state folder.
QString journalFolderOf(const SpecialFolders& folders);
// Where they were kept before, beside the settings file in use.
QString earlierJournalFolderOf(const QString& settingsFile);

// The same folder, however its path was written: the canonical path when the
// folder exists, else the cleaned absolute path.
QString canonicalFolder(const QString& folder);

} // namespace tervane
