#include "platform/SystemFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace tervane {

QString getSpecialFolder(int csidl)
{
    switch (csidl) {
    case AppDataFolder:
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    case ProgramFilesFolder:
        return QDir::cleanPath(QStringLiteral(TERVANE_INSTALL_PREFIX));
    case DocumentsFolder: {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QDir(documents).exists() ? documents : QDir::homePath();
    }
    default:
        return {};
    }
}

SpecialFolders systemSpecialFolders()
{
    return {getSpecialFolder(AppDataFolder), getSpecialFolder(ProgramFilesFolder),
            getSpecialFolder(DocumentsFolder)};
}

} // namespace tervane
