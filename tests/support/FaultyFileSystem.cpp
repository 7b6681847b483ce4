// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaultyFileSystem.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

using namespace tervane;

namespace {

RenameResult failure(int error)
{
    return {false, error, QString::fromLocal8Bit(std::strerror(error))};
}

// The limit on the size of the files the process writes stands for a full
// disk: every write that would grow a file fails (EFBIG rather than ENOSPC).
void setFileSizeLimit(rlim_t limit)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit current{};
    ::getrlimit(RLIMIT_FSIZE, &current);
    current.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &current);
}

} // namespace

bool FaultyFileSystem::fileExists(const QString& path) const
{
    const bool exists = m_real.fileExists(path);
    if (exists || !ignoresCase)
        return exists;
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString name = path.mid(slash + 1);
    const QStringList files = m_real.listFiles(path.left(slash));
    return std::any_of(files.cbegin(), files.cend(), [&](const QString& file) {
        return file.compare(name, Qt::CaseInsensitive) == 0;
    });
}

void FaultyFileSystem::diskFreed()
{
    rlimit current{};
    ::getrlimit(RLIMIT_FSIZE, &current);
    setFileSizeLimit(current.rlim_max);
}

FaultyFileSystem::Fault FaultyFileSystem::nextFault(const QString& folder, const QString& from)
{
    const int number = m_renames++;
    for (const auto& [at, fault] : std::as_const(m_faults)) {
        if (at != number || fault == Fault::None)
            continue;
        ++m_injected;
        if (fault == Fault::Killed)
            throw Killed{};
        if (fault == Fault::DiskFull)
            setFileSizeLimit(0);
        if (fault == Fault::SourceVanished) {
            // Another program moved the file away: it is gone from the folder
            // for good, as far as this plan is concerned.
            vanishedNames << from;
            QFile::rename(folder + u'/' + from,
                          vanishedFolder + u'/' + QString::number(number) + u'-' + from);
        }
        return fault;
    }
    return Fault::None;
}

RenameResult FaultyFileSystem::withFault(const QString& folder, const QString& from,
                                         const std::function<RenameResult()>& real)
{
    asked();
    switch (nextFault(folder, from)) {
    case Fault::AccessRefused:
        return failure(EACCES);
    case Fault::InvalidName:
        return failure(EINVAL);
    case Fault::KilledAfter:
        real();
        throw Killed{};
    default:
        return real();
    }
}

RenameResult FaultyFileSystem::renameNoReplace(const QString& folder, const QString& from,
                                               const QString& to)
{
    return withFault(folder, from, [&] { return m_real.renameNoReplace(folder, from, to); });
}

RenameResult FaultyFileSystem::exchangeNames(const QString& folder, const QString& a,
                                             const QString& b)
{
    return withFault(folder, a, [&] { return m_real.exchangeNames(folder, a, b); });
}

namespace {

// The journal's records go to the real file unless refused.
class FaultyAppendedFile : public AppendedFile {
public:
    FaultyAppendedFile(std::unique_ptr<AppendedFile> real,
                       std::function<bool(FaultyFileSystem::OwnFileCall)> refused)
        : m_real(std::move(real))
        , m_refused(std::move(refused))
    {}
    bool append(QByteArrayView bytes) override
    {
        return !m_refused(FaultyFileSystem::OwnFileCall::Append) && m_real->append(bytes);
    }
    bool sync() override
    {
        return !m_refused(FaultyFileSystem::OwnFileCall::Sync) && m_real->sync();
    }

private:
    std::unique_ptr<AppendedFile> m_real;
    std::function<bool(FaultyFileSystem::OwnFileCall)> m_refused;
};

} // namespace

std::unique_ptr<AppendedFile> FaultyFileSystem::openToAppend(const QString& path)
{
    if (refused(OwnFileCall::Open, path))
        return nullptr;
    std::unique_ptr<AppendedFile> real = m_real.openToAppend(path);
    if (!real)
        return nullptr;
    return std::make_unique<FaultyAppendedFile>(
        std::move(real), [this, path](OwnFileCall call) { return refused(call, path); });
}
