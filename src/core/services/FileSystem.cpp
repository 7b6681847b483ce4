// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/FileSystem.h"

#include "text/FileNameBytes.h"
#include "text/TextHelpers.h"

#include <QDir>
#include <QFile>

#include <algorithm>
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
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(u'/') ||
        name.contains(QChar(0)) || name.contains(QDir::separator()))
        return false;
    // Plain ASCII reads back the same in any encoding of file names: only
    // other names need the round trip.
    return isAscii(name) || fileNameOfBytes(bytesOfFileName(name)) == name;
}

} // namespace tervane
