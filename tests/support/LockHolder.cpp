// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PosixFileSystem.h"

#include <QFile>

#include <cstdio>

using namespace tervane;

// Another run of the program, as far as a folder's lock goes: locks the
// folder given as every run does, says on its standard output what it got
// ("locked", "busy" or "failed") and keeps the lock until its standard input
// closes or it is killed.
int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    PosixFileSystem fileSystem;
    const FolderLockResult result = fileSystem.lockFolder(QFile::decodeName(argv[1]));
    std::puts(result.lock ? "locked" : result.busy ? "busy" : "failed");
    std::fflush(stdout);
    while (result.lock && std::getchar() != EOF) {
    }
    return result.lock ? 0 : 1;
}
