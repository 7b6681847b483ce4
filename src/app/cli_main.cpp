// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliApp.h"
#include "platform/PosixFileSystem.h"
#include "platform/SystemFolders.h"
#include "platform/TagLibTags.h"

#include <QCoreApplication>

// The command line on the system's own services.
int main(int argc, char** argv)
{
    using namespace tervane;
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tervane-cli"));
    PosixFileSystem fileSystem;
    WaitedTagReading tagReading;
    return runCliCommand(QCoreApplication::arguments(),
                         {fileSystem, tagReading, systemSpecialFolders()});
}
