// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/FileSystem.h"

#include <QString>

namespace tervane {

// Only one renaming or undo may run on a folder at a time, whichever program,
// user or environment runs it: the window and the command line hold this
// lock from the plan to the end of a command. The file system locks the
// folder itself and lets go when the process ends, however it ends. Within
// one process the lock nests, so that a command holding it may run another
// that takes it too. What a refusal tells the user is in rename/LockRefusal.h.
class FolderLock {
public:
    FolderLock(FileSystem& fileSystem, const QString& folder);

    bool isLocked() const { return m_result.lock != nullptr; }
    // When refused: whether another process holds the folder, else the
    // system's error number and its text.
    bool isBusy() const { return m_result.busy; }
    int errorNumber() const { return m_result.errorNumber; }
    const QString& description() const { return m_result.description; }

private:
    FolderLockResult m_result;
};

} // namespace tervane
