#include "platform/SystemFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace tervane {

QString GetSpecialFolder(int csidl)
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

SpecialFolders SystemSpecialFolders()
{
    return {GetSpecialFolder(AppDataFolder), GetSpecialFolder(ProgramFilesFolder),
            GetSpecialFolder(DocumentsFolder)};
}

} // namespace tervane
