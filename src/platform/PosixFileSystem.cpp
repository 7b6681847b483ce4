// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PosixFileSystem.h"

#include "text/FileNameBytes.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace tervane {

namespace {

RenameResult failure(int errorNumber)
{
    return {false, errorNumber, QString::fromLocal8Bit(std::strerror(errorNumber))};
}

// The bytes of a name for the calls on a folder, when it is a bare file name.
// Plain ASCII names, nearly all of them, are checked and copied in one pass
// into a buffer of their own: a renaming makes no allocation a name.
class NameBytes {
public:
    explicit NameBytes(const QString& name)
    {
        if (copiedAsPlainAscii(name))
            m_bytes = QByteArray::fromRawData(m_buffer, name.size());
        else if (isBareFileName(name))
            m_bytes = bytesOfFileName(name);
        else
            m_bare = false;
    }
    NameBytes(const NameBytes&) = delete;
    NameBytes& operator=(const NameBytes&) = delete;

    bool isBare() const { return m_bare; }
    const QByteArray& bytes() const { return m_bytes; }

private:
    bool copiedAsPlainAscii(const QString& name)
    {
        if (name.isEmpty() || name.size() >= qsizetype(sizeof m_buffer) || name == u"." ||
            name == u"..")
            return false;
        char* out = m_buffer;
        for (const QChar c : name) {
            if (c.unicode() == 0 || c.unicode() >= 0x80 || c == u'/')
                return false;
            *out++ = char(c.unicode());
        }
        *out = '\0'; // the system calls read up to it
        return true;
    }

    char m_buffer[NAME_MAX + 1];
    QByteArray m_bytes;
    bool m_bare = true;
};

// The folder, opened once so that every call below names files relative to
// it: no path is ever joined, so no name can reach another folder.
int openFolder(const QString& folder)
{
    return ::open(bytesOfFileName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

class FolderHandle {
public:
    // Opens the folder, or borrows the descriptor of a held one.
    FolderHandle(const QString& folder, int heldFd)
        : m_fd(heldFd >= 0 ? heldFd : openFolder(folder))
        , m_owned(heldFd < 0)
    {}
    ~FolderHandle()
    {
        if (m_owned && m_fd >= 0)
            ::close(m_fd);
    }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    int fd() const { return m_fd; }
    bool stat(const QByteArray& name, struct stat* info) const
    {
        return ::fstatat(m_fd, name.constData(), info, AT_SYMLINK_NOFOLLOW) == 0;
    }
    bool exists(const QByteArray& name) const
    {
        struct stat info {};
        return stat(name, &info);
    }
    int renameNoReplace(const QByteArray& from, const QByteArray& to) const
    {
        return ::renameat2(m_fd, from.constData(), m_fd, to.constData(), RENAME_NOREPLACE) == 0
                   ? 0
                   : errno;
    }

private:
    int m_fd;
    bool m_owned;
};

// A name of the folder that nothing uses, for a rename in two steps.
// A visible name, keeping the target's extension, so that a file stranded
// there by a failure would still show in the list.
QByteArray unusedName(const FolderHandle& folder, const QByteArray& near)
{
    // The end of the target, cut where a character begins (never within the
    // bytes of one).
    qsizetype from = std::max<qsizetype>(0, near.size() - 64);
    while (from < near.size() && (near[from] & 0xC0) == 0x80)
        ++from;
    const QByteArray tail = near.sliced(from);
    for (int attempt = 0;; ++attempt) {
        QByteArray name = "tervane-" + QByteArray::number(::getpid()) + '-' +
                          QByteArray::number(attempt) + '-' + tail;
        if (!folder.exists(name))
            return name;
    }
}

// A rename where the file system does not know RENAME_NOREPLACE.
int renameWithoutNoReplace(const FolderHandle& folder, const QByteArray& from, const QByteArray& to)
{
    // A hard link fails on an existing target just as atomically; the old
    // name goes only once the new one exists.
    if (::linkat(folder.fd(), from.constData(), folder.fd(), to.constData(), 0) == 0) {
        if (::unlinkat(folder.fd(), from.constData(), 0) == 0)
            return 0;
        const int error = errno;
        ::unlinkat(folder.fd(), to.constData(), 0); // the file keeps its old name only
        return error;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != EMLINK)
        return errno;
    // No hard links either (FAT and the like): check, then rename. Another
    // program creating the target between the two calls could still lose it;
    // such file systems offer nothing better.
    if (folder.exists(to))
        return EEXIST;
    return ::renameat(folder.fd(), from.constData(), folder.fd(), to.constData()) == 0 ? 0 : errno;
}

int renameOnce(const FolderHandle& folder, const QByteArray& from, const QByteArray& to)
{
    const int error = folder.renameNoReplace(from, to);
    return error == EINVAL ? renameWithoutNoReplace(folder, from, to) : error;
}

// The target is the source under another case on a file system that ignores
// case: a direct rename there may do nothing, so go through an unused name.
int renameCaseOnly(const FolderHandle& folder, const QByteArray& from, const QByteArray& to)
{
    const QByteArray middle = unusedName(folder, to);
    if (const int error = renameOnce(folder, from, middle))
        return error;
    if (const int error = renameOnce(folder, middle, to)) {
        // Back to the old name; should even that fail, the file stays under
        // the visible temporary name, which the error leaves to be seen.
        renameOnce(folder, middle, from);
        return error;
    }
    return 0;
}

// The folders this process holds locked, by device and inode, each with the
// descriptor that carries its lock and the number of holds nested on it.
// Two descriptors of one folder exclude each other even within one process,
// so a folder held already is locked again by counting.
using FolderKey = std::pair<dev_t, ino_t>;
struct FolderLockHolds {
    int fd = -1;
    int holds = 0;
};

std::mutex& folderLocksGuard()
{
    static std::mutex guard;
    return guard;
}

std::map<FolderKey, FolderLockHolds>& folderLocks()
{
    static std::map<FolderKey, FolderLockHolds> held;
    return held;
}

class PosixFolderLock : public HeldFolderLock {
public:
    explicit PosixFolderLock(FolderKey key)
        : m_key(key)
    {}
    ~PosixFolderLock() override
    {
        const std::lock_guard guard(folderLocksGuard());
        const auto held = folderLocks().find(m_key);
        if (held == folderLocks().end() || --held->second.holds > 0)
            return;
        ::close(held->second.fd); // the lock goes with its descriptor
        folderLocks().erase(held);
    }
    PosixFolderLock(const PosixFolderLock&) = delete;
    PosixFolderLock& operator=(const PosixFolderLock&) = delete;

private:
    FolderKey m_key;
};

FolderLockResult lockRefused(int errorNumber)
{
    FolderLockResult result;
    result.busy = errorNumber == EWOULDBLOCK;
    result.errorNumber = errorNumber;
    result.description = QString::fromLocal8Bit(std::strerror(errorNumber));
    return result;
}

} // namespace

// By the names' own bytes, as they were listed (links followed).
bool PosixFileSystem::fileExists(const QString& path) const
{
    struct stat info {};
    return ::stat(bytesOfFileName(path).constData(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool PosixFileSystem::isRegularFile(const QString& path) const
{
    struct stat info {};
    return ::stat(bytesOfFileName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool PosixFileSystem::folderExists(const QString& path) const
{
    struct stat info {};
    return !path.isEmpty() && ::stat(bytesOfFileName(path).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode);
}

namespace {

// Calls use(entry, folder's descriptor) for each entry the folder holds, with
// the system's own directory calls: the entry types and inode numbers come
// with the names, where a QFileInfo per entry would cost far more.
template <typename Use>
void forEachEntry(const QString& folder, Use use)
{
    DIR* directory = ::opendir(bytesOfFileName(folder).constData());
    if (!directory)
        return;
    const int fd = ::dirfd(directory);
    while (const dirent* entry = ::readdir(directory))
        use(*entry, fd);
    ::closedir(directory);
}

// Where the file system's readdir gives the same inode number as stat does:
// everywhere but overlay file systems, which may give another one.
bool readsIdentities(const QString& folder)
{
    struct statfs kind {};
    return ::statfs(bytesOfFileName(folder).constData(), &kind) == 0 &&
           kind.f_type != OVERLAYFS_SUPER_MAGIC;
}

} // namespace

QStringList PosixFileSystem::listFiles(const QString& folder, QStringList* others,
                                       std::vector<quint64>* identities) const
{
    QStringList names;
    const bool identified = identities && readsIdentities(folder);
    forEachEntry(folder, [&](const dirent& entry, int fd) {
        if (entry.d_name[0] == '.')
            return; // hidden files, and the folder itself and its parent
        bool regular = entry.d_type == DT_REG;
        if (entry.d_type == DT_LNK || entry.d_type == DT_UNKNOWN) {
            struct stat info {};
            regular = ::fstatat(fd, entry.d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
        }
        QStringList* list = regular ? &names : others;
        if (!list)
            return;
        // A name that is not UTF-8 keeps its bytes, to be renamed by them.
        list->append(fileNameOfBytes(entry.d_name));
        // A link's own identity is not its file's: it is asked for by name.
        if (regular && identities)
            identities->push_back(identified && entry.d_type == DT_REG ? quint64(entry.d_ino) : 0);
    });
    return names;
}

PosixFileSystem::~PosixFileSystem()
{
    closeHeldFolder();
}

// The lock is the folder's own flock(): every process sees it, whatever its
// user or environment, and the system lets go of it when the process dies,
// so no lock is ever left behind.
FolderLockResult PosixFileSystem::lockFolder(const QString& folder)
{
    const int fd = openFolder(folder);
    if (fd < 0)
        return lockRefused(errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return lockRefused(error);
    }
    const FolderKey key{info.st_dev, info.st_ino};
    const std::lock_guard guard(folderLocksGuard());
    if (const auto held = folderLocks().find(key); held != folderLocks().end()) {
        ++held->second.holds;
        ::close(fd);
    } else if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        folderLocks().emplace(key, FolderLockHolds{fd, 1});
    } else {
        const int error = errno;
        ::close(fd);
        return lockRefused(error);
    }
    FolderLockResult result;
    result.lock = std::make_unique<PosixFolderLock>(key);
    return result;
}

void PosixFileSystem::holdFolder(const QString& folder)
{
    if (m_holds > 0 && folder == m_heldPath) {
        ++m_holds;
        return;
    }
    closeHeldFolder();
    m_heldFolder = openFolder(folder);
    m_heldPath = folder;
    m_holds = 1;
}

void PosixFileSystem::releaseFolder()
{
    if (m_holds > 0 && --m_holds == 0)
        closeHeldFolder();
}

void PosixFileSystem::closeHeldFolder()
{
    if (m_heldFolder >= 0)
        ::close(m_heldFolder);
    m_heldFolder = -1;
    m_heldPath.clear();
    m_holds = 0;
}

RenameResult PosixFileSystem::renameNoReplace(const QString& folder, const QString& from,
                                              const QString& to)
{
    const NameBytes fromBytes(from);
    const NameBytes toBytes(to);
    if (!fromBytes.isBare() || !toBytes.isBare())
        return failure(EINVAL);
    const FolderHandle handle(folder, folder == m_heldPath ? m_heldFolder : -1);
    if (handle.fd() < 0)
        return failure(errno);
    const QByteArray& source = fromBytes.bytes();
    const QByteArray& target = toBytes.bytes();

    // Only the rare cases need the source's identity; a plain rename goes
    // straight to the one system call.
    if (source == target || from.compare(to, Qt::CaseInsensitive) == 0) {
        struct stat sourceInfo {};
        if (!handle.stat(source, &sourceInfo))
            return failure(errno);
        if (source == target)
            return {};
        // A change of letter case only may find the source itself under the
        // new name, on a file system that ignores case.
        struct stat targetInfo {};
        if (handle.stat(target, &targetInfo) && targetInfo.st_dev == sourceInfo.st_dev &&
            targetInfo.st_ino == sourceInfo.st_ino) {
            const int error = renameCaseOnly(handle, source, target);
            return error ? failure(error) : RenameResult{};
        }
    }
    const int error = renameOnce(handle, source, target);
    return error ? failure(error) : RenameResult{};
}

bool PosixFileSystem::removeSecondName(const QString& folder, const QString& kept,
                                       const QString& extra)
{
    const NameBytes keptBytes(kept);
    const NameBytes extraBytes(extra);
    const FolderHandle handle(folder, folder == m_heldPath ? m_heldFolder : -1);
    if (!keptBytes.isBare() || !extraBytes.isBare() || kept == extra || handle.fd() < 0)
        return false;
    struct stat keptInfo {};
    struct stat extraInfo {};
    const bool oneFile = handle.stat(keptBytes.bytes(), &keptInfo) &&
                         handle.stat(extraBytes.bytes(), &extraInfo) && S_ISREG(keptInfo.st_mode) &&
                         keptInfo.st_dev == extraInfo.st_dev && keptInfo.st_ino == extraInfo.st_ino;
    return oneFile && ::unlinkat(handle.fd(), extraBytes.bytes().constData(), 0) == 0;
}

bool PosixFileSystem::canExchangeNames(const QString& folder) const
{
    // Only the file systems known to exchange names: elsewhere (FAT, network
    // shares, FUSE) cycles go through a temporary name instead.
    struct statfs info {};
    if (::statfs(bytesOfFileName(folder).constData(), &info) != 0)
        return false;
    switch (info.f_type) {
    case EXT4_SUPER_MAGIC: // ext2, ext3 and ext4 alike
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
    case TMPFS_MAGIC:
    case OVERLAYFS_SUPER_MAGIC:
        return true;
    default:
        return false;
    }
}

RenameResult PosixFileSystem::exchangeNames(const QString& folder, const QString& a,
                                            const QString& b)
{
    const NameBytes first(a);
    const NameBytes second(b);
    if (!first.isBare() || !second.isBare())
        return failure(EINVAL);
    const FolderHandle handle(folder, folder == m_heldPath ? m_heldFolder : -1);
    if (handle.fd() < 0)
        return failure(errno);
    if (::renameat2(handle.fd(), first.bytes().constData(), handle.fd(), second.bytes().constData(),
                    RENAME_EXCHANGE) != 0)
        return failure(errno);
    return {};
}

std::vector<qint64> PosixFileSystem::fileBirths(const QString& folder,
                                                const QStringList& names) const
{
    std::vector<qint64> births(std::size_t(names.size()), 0);
    const FolderHandle handle(folder, folder == m_heldPath ? m_heldFolder : -1);
    if (handle.fd() < 0)
        return births;
    for (qsizetype i = 0; i < names.size(); ++i) {
        struct statx info {};
        if (::statx(handle.fd(), bytesOfFileName(names[i]).constData(), AT_SYMLINK_NOFOLLOW,
                    STATX_BTIME, &info) == 0 &&
            (info.stx_mask & STATX_BTIME))
            births[std::size_t(i)] =
                qint64(info.stx_btime.tv_sec) * 1'000'000'000 + info.stx_btime.tv_nsec;
    }
    return births;
}

quint64 PosixFileSystem::fileIdentity(const QString& path) const
{
    return fileIdentityBefore(path, 0);
}

quint64 PosixFileSystem::fileIdentityBefore(const QString& path, qint64 time) const
{
    // The files of one folder share a device: the inode number suffices. In
    // the folder held, the name is looked up from it, not from the root.
    const qsizetype slash = path.lastIndexOf(u'/');
    const bool inHeld =
        m_heldFolder >= 0 && slash > 0 && QStringView(path).left(slash) == m_heldPath;
    struct statx info {};
    const int found = inHeld
                          ? ::statx(m_heldFolder, bytesOfFileName(path.mid(slash + 1)).constData(),
                                    AT_SYMLINK_NOFOLLOW, STATX_INO | STATX_BTIME, &info)
                          : ::statx(AT_FDCWD, bytesOfFileName(path).constData(),
                                    AT_SYMLINK_NOFOLLOW, STATX_INO | STATX_BTIME, &info);
    if (found != 0)
        return 0;
    // Born since: another file, under an identity the system gave again.
    if (time > 0 && (info.stx_mask & STATX_BTIME) &&
        qint64(info.stx_btime.tv_sec) * 1'000'000'000 + info.stx_btime.tv_nsec > time)
        return 0;
    return quint64(info.stx_ino);
}

} // namespace tervane
