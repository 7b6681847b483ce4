#pragma once

#include "cli/CliOutput.h"

#include <QStringList>

namespace tervane {

// The command-line front end: preview, rename and undo on the same core as
// the window. Returns the exit code: 0 done, 1 a step failed, 2 usage or bad
// input, 3 refused (nothing renamed).
int runCli(int argc, char** argv);

class FileSystem;

// The same on arguments already parsed (the program's name first), with the
// file system and the output streams given: a test runs the command in its
// own process. A QCoreApplication must exist.
int runCliCommand(const QStringList& arguments, FileSystem& fileSystem,
                  cli::OutputStreams streams = {});

} // namespace tervane
