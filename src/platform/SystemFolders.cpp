// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace tervane {

namespace {

// The system's answers, without a trailing separator.
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

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
    return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
            QDir::cleanPath(QStringLiteral(TERVANE_INSTALL_PREFIX)), documentsFolder(),
            stateFolder()};
}

} // namespace tervane
