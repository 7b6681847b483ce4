#include "services/FileSystem.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

namespace tervane {

RenameResult FileSystem::exchangeNames(const QString& folder, const QString& a, const QString& b)
{
    (void)folder;
    (void)a;
    (void)b;
    return {false, ENOTSUP, QString::fromLocal8Bit(std::strerror(ENOTSUP))};
}

bool isBareFileName(const QString& name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(QChar(0)) && !name.contains(QDir::separator()) &&
           QFile::decodeName(QFile::encodeName(name)) == name;
}

} // namespace tervane
