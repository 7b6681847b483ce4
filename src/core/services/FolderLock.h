// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/FileSystem.h"

#include <QString>

namespace tervane {

class Prompter;
class TranslationCatalogue;

// Only one renaming or undo may run on a folder at a time, whichever program,
// user or environment runs it: the window and the command line hold this
// lock from the plan to the end of a command. The file system locks the
// folder itself and lets go when the process ends, however it ends. Within
// one process the lock nests, so that a command holding it may run another
// that takes it too.
class FolderLock {
public:
    FolderLock(FileSystem& fileSystem, const QString& folder);

    bool isLocked() const { return m_result.lock != nullptr; }
    // Why the folder is not locked, for the user: another process holds it,
    // or the system's reason. The folder is shown as given.
    QString refusal(const TranslationCatalogue& texts, const QString& shownFolder) const;

private:
    FolderLockResult m_result;
};

// True when the folder is locked; else says why, with the folder's path.
bool lockedOrReported(const FolderLock& lock, const QString& folder, Prompter& prompter,
                      const TranslationCatalogue& texts);

} // namespace tervane
