// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/SpecialFolders.h"
#include "cli/CliOutput.h"

#include <QStringList>

namespace tervane {

class FileSystem;
class TagReading;

// The services of the system the command line works with, given by whoever
// starts it (the program's main, or a test).
struct CliServices {
    FileSystem& fileSystem;
    TagReading& tagReading; // the files' tags, read to the end
    SpecialFolders folders; // where the settings live once installed
};

// The command-line front end: preview, rename and undo on the same core as
// the window, on arguments already parsed (the program's name first), with
// the output streams given. Returns the exit code: 0 done, 1 a step failed,
// 2 usage or bad input, 3 refused (nothing renamed). A QCoreApplication
// must exist.
int runCliCommand(const QStringList& arguments, const CliServices& services,
                  cli::OutputStreams streams = {});

} // namespace tervane
