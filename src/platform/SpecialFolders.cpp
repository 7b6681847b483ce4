#include "SpecialFolders.h"

#include <QDir>
#include <QStandardPaths>

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

SpecialFolders SpecialFolders::fromSystem()
{
    return {GetSpecialFolder(AppDataFolder), GetSpecialFolder(ProgramFilesFolder),
            GetSpecialFolder(DocumentsFolder)};
}

QString SpecialFolders::get(int csidl) const
{
    switch (csidl) {
    case AppDataFolder:
        return appData;
    case ProgramFilesFolder:
        return programFiles;
    case DocumentsFolder:
        return documents;
    default:
        return {};
    }
}
