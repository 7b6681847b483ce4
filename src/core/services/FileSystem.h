// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/NameSet.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace tervane {

struct RenameResult {
    bool ok = true;
    int errorNumber = 0; // the system's error number when !ok
    QString description; // the system's text for it
};

// A folder's lock, held for as long as the object lives.
class HeldFolderLock {
public:
    virtual ~HeldFolderLock() = default;
};

// What an attempt to lock a folder got.
struct FolderLockResult {
    std::unique_ptr<HeldFolderLock> lock; // null when refused
    bool busy = false;                    // refused: another process holds the folder
    int errorNumber = 0;                  // the system's error number when refused
    QString description;                  // the system's text for it
};

// Where a folder is, whatever path leads to it: a folder moved away and
// another put under its path is another folder.
struct FolderIdentity {
    quint64 device = 0;
    quint64 inode = 0; // 0: unknown
    bool operator==(const FolderIdentity&) const = default;
};

// A file of the program's own (a journal) open for appending records.
class AppendedFile {
public:
    virtual ~AppendedFile() = default;
    // The bytes written whole, or false.
    virtual bool append(QByteArrayView bytes) = 0;
    // What was appended is on disk, to survive a crash of the system.
    virtual bool sync() = 0;
};

// The file operations the program performs. Paths are full paths.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // An existing path that is not a folder.
    virtual bool fileExists(const QString& path) const = 0;
    virtual bool folderExists(const QString& path) const = 0;
    // A regular file, or a link to one.
    virtual bool isRegularFile(const QString& path) const { return fileExists(path); }
    // Bare names of the visible regular files of a folder, in no set order;
    // the names of its other visible entries (folders, devices...) go to
    // others, when given, from the same reading; and to identities, when
    // given, the identity of each file (as fileIdentity's), where the file
    // system gives it with the name, else 0.
    virtual QStringList listFiles(const QString& folder, QStringList* others,
                                  std::vector<quint64>* identities) const = 0;
    QStringList listFiles(const QString& folder, QStringList* others = nullptr) const
    {
        return listFiles(folder, others, nullptr);
    }
    // Renames the file from to to inside folder (bare names) without ever
    // replacing an existing file or folder. Fails, touching nothing, when
    // from is missing, to is taken by another file or a folder, either name
    // is not a valid bare name, or access is refused. A target that is the
    // source itself (the same name, or the same file in other letter case on
    // a file system that ignores case) is no obstacle.
    virtual RenameResult renameNoReplace(const QString& folder, const QString& from,
                                         const QString& to) = 0;

    // Whether the file system of the folder trades two names in one step.
    virtual bool canExchangeNames(const QString& folder) const
    {
        (void)folder;
        return false;
    }
    // Gives file a the name b and file b the name a, at once: both names
    // exist all along, so neither file can be lost. Fails, touching nothing,
    // when either is missing or the file system cannot do it.
    virtual RenameResult exchangeNames(const QString& folder, const QString& a, const QString& b);
    // What tells a file from any other while it exists, kept through
    // renames; 0 for a missing path.
    virtual quint64 fileIdentity(const QString& path) const
    {
        (void)path;
        return 0;
    }
    // The identity of a file that was there already at the time given (in
    // nanoseconds since the epoch; none: any time): one created since, where
    // the file system tells births, is another file even under an identity
    // given again, and has none (0).
    virtual quint64 fileIdentityBefore(const QString& path, qint64 time) const
    {
        (void)time;
        return fileIdentity(path);
    }
    // When each of the files of a folder (bare names) was created, in
    // nanoseconds, kept through renames; 0 where the file system does not
    // tell. A file deleted and another created under its name may get its
    // identity again, never its birth.
    virtual std::vector<qint64> fileBirths(const QString& folder, const QStringList& names) const
    {
        (void)folder;
        return std::vector<qint64>(std::size_t(names.size()), 0);
    }

    virtual FolderIdentity folderIdentity(const QString& folder) const = 0;
    // Takes the name extra away from the file named kept too (bare names),
    // only when both are one file: what a rename done as a link then an
    // unlink leaves when it is cut between the two.
    virtual bool removeSecondName(const QString& folder, const QString& kept,
                                  const QString& extra) = 0;

    // The program's own files, which must survive a crash of the system.
    // Writes the file whole and synced in place of any file of that name, or
    // leaves it as it was.
    virtual bool writeWholeFile(const QString& path, const QByteArray& bytes) = 0;
    // Null when the file cannot be opened (it is created when missing).
    virtual std::unique_ptr<AppendedFile> openToAppend(const QString& path) = 0;
    // Renames a file in place of another (or of none), in one folder.
    virtual bool replaceFile(const QString& from, const QString& to) = 0;
    // True once the path is no longer there.
    virtual bool removeFile(const QString& path) = 0;
    // Names put in place or removed in the folder survive a crash of the system.
    virtual bool syncFolder(const QString& folder) = 0;

    // Locks the folder against every other process, whoever runs it, in
    // whatever environment and however the folder's path is written, until
    // the result's lock goes; a process that ends, however it ends, lets go of
    // its locks. Within one process the lock nests: a folder the process
    // holds already is locked again at once.
    virtual FolderLockResult lockFolder(const QString& folder) = 0;

    // A command about to rename many files of one folder may ask for the
    // folder to be opened once for all of them, until released.
    virtual void holdFolder(const QString& folder) { (void)folder; }
    virtual void releaseFolder() {}
};

// Holds a folder open for the life of a scope.
class HeldFolder {
public:
    HeldFolder(FileSystem& fileSystem, const QString& folder)
        : m_fileSystem(fileSystem)
    {
        m_fileSystem.holdFolder(folder);
    }
    ~HeldFolder() { m_fileSystem.releaseFolder(); }
    HeldFolder(const HeldFolder&) = delete;
    HeldFolder& operator=(const HeldFolder&) = delete;

private:
    FileSystem& m_fileSystem;
};

// Whether a name can only mean a file of the folder it is joined to: not
// empty, not "." or "..", no separator, no NUL, and written on disk exactly
// as it is shown.
bool isBareFileName(const QString& name);

} // namespace tervane
