#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace tervane {

// Only one renaming or undo may run on a folder at a time, whichever program
// runs it: the window and the command line take this lock for a whole
// command. The lock is a lock file named after the folder in a folder of the
// user's own; the lock of a process that died is taken over. Within one
// process the lock nests, so that a command holding it may run another that
// takes it too.
class FolderLock {
public:
    explicit FolderLock(const QString& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False when another process holds the folder, or the lock could not be made.
    bool isLocked() const { return m_locked; }

    // Where the lock files live: $XDG_RUNTIME_DIR, else a private folder of
    // the system's temporary folder.
    static QString lockFolder();
    // The lock file of a folder, however the folder's path was written.
    static QString lockFileFor(const QString& folder);

private:
    QString m_file;
    std::unique_ptr<QLockFile> m_lock; // null when nested in a lock this process holds
    bool m_locked = false;
};

// The same folder, however its path was written: the canonical path when the
// folder exists, else the cleaned absolute path.
QString canonicalFolder(const QString& folder);

} // namespace tervane
