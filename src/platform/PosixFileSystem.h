// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/FileSystem.h"

namespace tervane {

// The file system of the machine: POSIX calls on one open folder, renames
// with renameat2(RENAME_NOREPLACE), exchanges with RENAME_EXCHANGE, folder
// locks with flock() on the folder itself.
class PosixFileSystem : public FileSystem {
public:
    PosixFileSystem() = default;
    ~PosixFileSystem() override;
    PosixFileSystem(const PosixFileSystem&) = delete;
    PosixFileSystem& operator=(const PosixFileSystem&) = delete;

    bool fileExists(const QString& path) const override;
    bool folderExists(const QString& path) const override;
    bool isRegularFile(const QString& path) const override;
    using FileSystem::listFiles;
    QStringList listFiles(const QString& folder, QStringList* others,
                          std::vector<quint64>* identities) const override;
    RenameResult renameNoReplace(const QString& folder, const QString& from,
                                 const QString& to) override;
    bool canExchangeNames(const QString& folder) const override;
    RenameResult exchangeNames(const QString& folder, const QString& a, const QString& b) override;
    quint64 fileIdentity(const QString& path) const override;
    quint64 fileIdentityBefore(const QString& path, qint64 time) const override;
    std::vector<qint64> fileBirths(const QString& folder, const QStringList& names) const override;
    FolderIdentity folderIdentity(const QString& folder) const override;
    bool removeSecondName(const QString& folder, const QString& kept,
                          const QString& extra) override;
    bool writeWholeFile(const QString& path, const QByteArray& bytes) override;
    std::unique_ptr<AppendedFile> openToAppend(const QString& path) override;
    bool replaceFile(const QString& from, const QString& to) override;
    bool removeFile(const QString& path) override;
    bool syncFolder(const QString& folder) override;
    FolderLockResult lockFolder(const QString& folder) override;
    void holdFolder(const QString& folder) override;
    void releaseFolder() override;

private:
    void closeHeldFolder();

    QString m_heldPath;
    int m_heldFolder = -1;
    int m_holds = 0; // holds may nest, on the same folder
};

} // namespace tervane
