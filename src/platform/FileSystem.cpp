#include "FileSystem.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

RenameResult failure(int errorNumber)
{
    return {false, errorNumber, QString::fromLocal8Bit(std::strerror(errorNumber))};
}

struct stat statOf(const QByteArray& path, bool* exists)
{
    struct stat info {};
    *exists = ::lstat(path.constData(), &info) == 0;
    return info;
}

} // namespace

bool PosixFileSystem::fileExists(const QString& path) const
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool PosixFileSystem::folderExists(const QString& path) const
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

QStringList PosixFileSystem::listFiles(const QString& folder) const
{
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
    return names;
}

RenameResult PosixFileSystem::renameNoReplace(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (source == target)
        return {};

    bool sourceExists = false;
    bool targetExists = false;
    const struct stat sourceInfo = statOf(source, &sourceExists);
    const struct stat targetInfo = statOf(target, &targetExists);
    if (!sourceExists)
        return failure(ENOENT);

    // On a file system that ignores letter case the target may be the source
    // itself under another case: go through a temporary name, because a direct
    // rename there may silently do nothing.
    if (targetExists && targetInfo.st_dev == sourceInfo.st_dev &&
        targetInfo.st_ino == sourceInfo.st_ino) {
        const QByteArray temporary = target + ".tervane-" + QByteArray::number(::getpid());
        if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, temporary.constData(),
                        RENAME_NOREPLACE) != 0)
            return failure(errno);
        if (::rename(temporary.constData(), target.constData()) != 0) {
            const int error = errno;
            ::rename(temporary.constData(), source.constData());
            return failure(error);
        }
        return {};
    }

    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return {};
    if (errno != EINVAL)
        return failure(errno);

    // The file system does not know RENAME_NOREPLACE: a hard link fails on an
    // existing target just as atomically.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return {};
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP)
        return failure(errno);

    // No hard links either (FAT and the like): check, then rename. A file
    // created between the two calls could still be replaced; no better
    // primitive exists there.
    if (targetExists)
        return failure(EEXIST);
    if (::rename(source.constData(), target.constData()) != 0)
        return failure(errno);
    return {};
}
