#pragma once

#include <QString>
#include <QStringList>

struct RenameResult {
    bool ok = true;
    int errorNumber = 0; // the system's error number when !ok
    QString description; // the system's text for it
};

// The file operations the program performs. Paths are full paths.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // An existing path that is not a folder.
    virtual bool fileExists(const QString& path) const = 0;
    virtual bool folderExists(const QString& path) const = 0;
    // Bare names of the visible regular files of a folder, in no set order.
    virtual QStringList listFiles(const QString& folder) const = 0;
    // Renames without ever replacing an existing file or folder.
    virtual RenameResult renameNoReplace(const QString& from, const QString& to) = 0;
};

class PosixFileSystem : public FileSystem {
public:
    bool fileExists(const QString& path) const override;
    bool folderExists(const QString& path) const override;
    QStringList listFiles(const QString& folder) const override;
    RenameResult renameNoReplace(const QString& from, const QString& to) override;
};
