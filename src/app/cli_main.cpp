// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliApp.h"
#include "cli/CliOutput.h"
#include "platform/PosixFileSystem.h"
#include "platform/SystemFolders.h"
#include "platform/TagLibTags.h"

#include <QCoreApplication>

#include <csignal>
#include <malloc.h>

// The command line on the system's own services.
int main(int argc, char** argv)
{
    using namespace tervane;
    // A reader that goes away (| head) is a failed write, said at the end,
    // not a death halfway through a renaming.
    std::signal(SIGPIPE, SIG_IGN);
    // A command lives for one renaming: the memory of large lists it frees
    // stays with it for the next ones, rather than going back to the system
    // and being faulted in again page by page.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tervane-cli"));
    PosixFileSystem fileSystem;
    WaitedTagReading tagReading;
    const int code = runCliCommand(QCoreApplication::arguments(),
                                   {fileSystem, tagReading, systemSpecialFolders()});
    if (code == cli::OutputClosed) {
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    return code;
}
