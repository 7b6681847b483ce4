#include "FaultyFileSystem.h"

#include <QFile>

#include <cerrno>
#include <cstring>

using namespace tervane;

namespace {

RenameResult failure(int error)
{
    return {false, error, QString::fromLocal8Bit(std::strerror(error))};
}

} // namespace

RenameResult FaultyFileSystem::renameNoReplace(const QString& folder, const QString& from,
                                               const QString& to)
{
    const int number = m_renames++;
    for (const auto& [at, fault] : std::as_const(m_faults)) {
        if (at != number || fault == Fault::None)
            continue;
        ++m_injected;
        switch (fault) {
        case Fault::AccessRefused:
            return failure(EACCES);
        case Fault::InvalidName:
            return failure(EINVAL);
        case Fault::Killed:
            throw Killed{};
        case Fault::SourceVanished:
            // Another program moved the file away: it is gone from the folder
            // for good, as far as this plan is concerned.
            vanishedNames << from;
            QFile::rename(folder + u'/' + from,
                          vanishedFolder + u'/' + QString::number(number) + u'-' + from);
            return m_real.renameNoReplace(folder, from, to);
        case Fault::None:
            break;
        }
    }
    return m_real.renameNoReplace(folder, from, to);
}
