// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace {

// $XDG_STATE_HOME when it is an absolute path, else ~/.local/state.
QString stateFolder()
{
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    return QDir::isAbsolutePath(state) ? QDir::cleanPath(state)
                                       : QDir::homePath() + QStringLiteral("/.local/state");
}

} // namespace

SpecialFolders systemSpecialFolders()
{
    return {getSpecialFolder(AppDataFolder), getSpecialFolder(ProgramFilesFolder),
            getSpecialFolder(DocumentsFolder), stateFolder()};
}

} // namespace tervane
