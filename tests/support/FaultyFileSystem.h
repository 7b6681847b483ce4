// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/FileSystem.h"

#include <QList>
#include <functional>

using namespace tervane;

// The real file system with faults injected into chosen renames: refused
// access, a source that vanished, an invalid name. Faults that root cannot
// provoke with permissions come from here; everything else is real.
class FaultyFileSystem : public FileSystem {
public:
    // DiskFull: from this rename on (made as usual), no file of the process
    // can grow, until diskFreed() or the end of the object.
    enum class Fault {
        None,
        AccessRefused,
        SourceVanished,
        InvalidName,
        Killed,
        KilledAfter,
        DiskFull
    };
    // Thrown instead of a rename with the fault Killed, and right after it
    // with KilledAfter: the process dies there, so nothing after it runs
    // (not even the record of the rename), and only what is on disk remains.
    struct Killed {};

    explicit FaultyFileSystem(FileSystem& real)
        : m_real(real)
    {}
    ~FaultyFileSystem() override { diskFreed(); }
    static void diskFreed();

    // The fault of the rename with this 0-based number, counted over the
    // life of the object.
    void failRename(int renameNumber, Fault fault) { m_faults.append({renameNumber, fault}); }
    void clearFaults() { m_faults.clear(); }
    int renames() const { return m_renames; }
    int faultsInjected() const { return m_injected; }
    // Where vanished files go (an existing folder outside the renamed one),
    // and the names they had.
    QString vanishedFolder;
    QStringList vanishedNames;
    // Whether names may be exchanged where the real file system can.
    bool exchanges = true;
    // Called as a folder is read, asked what it can do, or renamed in:
    // another program may act at that moment.
    std::function<void()> whenAsked;

    // Whether names that differ only in letter case are one, as on the file
    // systems of other systems: a file is then found by any of them.
    bool ignoresCase = false;

    // The calls made on the program's own files; refuses tells which fail.
    enum class OwnFileCall { WriteWhole, Open, Append, Sync, Replace, Remove, SyncFolder };
    std::function<bool(OwnFileCall, const QString& path)> refuses;

    bool fileExists(const QString& path) const override;
    bool folderExists(const QString& path) const override { return m_real.folderExists(path); }
    bool isRegularFile(const QString& path) const override { return m_real.isRegularFile(path); }
    using FileSystem::listFiles;
    QStringList listFiles(const QString& folder, QStringList* others,
                          std::vector<quint64>* identities) const override
    {
        asked();
        return m_real.listFiles(folder, others, identities);
    }
    RenameResult renameNoReplace(const QString& folder, const QString& from,
                                 const QString& to) override;
    // Exchanges count as renames, and fail as they do.
    bool canExchangeNames(const QString& folder) const override
    {
        asked();
        return exchanges && m_real.canExchangeNames(folder);
    }
    RenameResult exchangeNames(const QString& folder, const QString& a, const QString& b) override;
    quint64 fileIdentity(const QString& path) const override { return m_real.fileIdentity(path); }
    quint64 fileIdentityBefore(const QString& path, qint64 time) const override
    {
        return m_real.fileIdentityBefore(path, time);
    }
    std::vector<qint64> fileBirths(const QString& folder, const QStringList& names) const override
    {
        return m_real.fileBirths(folder, names);
    }
    FolderIdentity folderIdentity(const QString& folder) const override
    {
        return m_real.folderIdentity(folder);
    }
    bool removeSecondName(const QString& folder, const QString& kept, const QString& extra) override
    {
        return m_real.removeSecondName(folder, kept, extra);
    }
    bool writeWholeFile(const QString& path, const QByteArray& bytes) override
    {
        return !refused(OwnFileCall::WriteWhole, path) && m_real.writeWholeFile(path, bytes);
    }
    std::unique_ptr<AppendedFile> openToAppend(const QString& path) override;
    bool replaceFile(const QString& from, const QString& to) override
    {
        return !refused(OwnFileCall::Replace, from) && m_real.replaceFile(from, to);
    }
    bool removeFile(const QString& path) override
    {
        return !refused(OwnFileCall::Remove, path) && m_real.removeFile(path);
    }
    bool syncFolder(const QString& folder) override
    {
        return !refused(OwnFileCall::SyncFolder, folder) && m_real.syncFolder(folder);
    }
    FolderLockResult lockFolder(const QString& folder) override
    {
        return m_real.lockFolder(folder);
    }
    void holdFolder(const QString& folder) override { m_real.holdFolder(folder); }
    void releaseFolder() override { m_real.releaseFolder(); }

private:
    bool refused(OwnFileCall call, const QString& path) const
    {
        return refuses && refuses(call, path);
    }
    void asked() const
    {
        if (whenAsked)
            whenAsked();
    }
    // The fault of the next rename; SourceVanished has already moved the file.
    Fault nextFault(const QString& folder, const QString& from);
    // The real operation, or the fault of this rename instead or after it.
    RenameResult withFault(const QString& folder, const QString& from,
                           const std::function<RenameResult()>& real);

    FileSystem& m_real;
    QList<QPair<int, Fault>> m_faults;
    int m_renames = 0;
    int m_injected = 0;
};
