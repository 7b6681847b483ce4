// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own files (the journals) and what the journal asks of the
// renamed folder: written so that a crash of the system loses none of them.
#include "platform/PosixFileSystem.h"

#include "text/FileNameBytes.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tervane {

namespace {

class PosixAppendedFile : public AppendedFile {
public:
    explicit PosixAppendedFile(int fd)
        : m_fd(fd)
    {}
    ~PosixAppendedFile() override { ::close(m_fd); }
    PosixAppendedFile(const PosixAppendedFile&) = delete;
    PosixAppendedFile& operator=(const PosixAppendedFile&) = delete;

    bool append(QByteArrayView bytes) override
    {
        qsizetype written = 0;
        while (written < bytes.size()) {
            const ssize_t n =
                ::write(m_fd, bytes.data() + written, std::size_t(bytes.size() - written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            written += n;
        }
        return true;
    }
    bool sync() override { return ::fdatasync(m_fd) == 0; }

private:
    int m_fd;
};

} // namespace

FolderIdentity PosixFileSystem::folderIdentity(const QString& folder) const
{
    struct stat info {};
    if (::stat(bytesOfFileName(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return {};
    return {quint64(info.st_dev), quint64(info.st_ino)};
}

// Beside it first, synced, then in its place: a crash leaves the old file
// or the new one, never a part of either.
bool PosixFileSystem::writeWholeFile(const QString& path, const QByteArray& bytes)
{
    const QByteArray target = bytesOfFileName(path);
    const QByteArray written = target + ".writing";
    const int fd = ::open(written.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    PosixAppendedFile file(fd);
    if (file.append(bytes) && file.sync() &&
        std::rename(written.constData(), target.constData()) == 0)
        return true;
    ::unlink(written.constData());
    return false;
}

std::unique_ptr<AppendedFile> PosixFileSystem::openToAppend(const QString& path)
{
    const int fd =
        ::open(bytesOfFileName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return nullptr;
    return std::make_unique<PosixAppendedFile>(fd);
}

bool PosixFileSystem::replaceFile(const QString& from, const QString& to)
{
    return std::rename(bytesOfFileName(from).constData(), bytesOfFileName(to).constData()) == 0;
}

bool PosixFileSystem::removeFile(const QString& path)
{
    return ::unlink(bytesOfFileName(path).constData()) == 0 || errno == ENOENT;
}

bool PosixFileSystem::syncFolder(const QString& folder)
{
    const int fd = ::open(bytesOfFileName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

} // namespace tervane
