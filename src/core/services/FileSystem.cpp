#include "services/FileSystem.h"

#include <QDir>
#include <QFile>

namespace tervane {

bool isBareFileName(const QString& name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(QChar(0)) && !name.contains(QDir::separator()) &&
           QFile::decodeName(QFile::encodeName(name)) == name;
}

} // namespace tervane
