// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <sys/stat.h>

namespace tervane {

// A file opened read-only, by its name's bytes, for a reader. Opened read-only:
// a file opened for writing tells watchers (indexers, synchronisers) it was
// written. Opened without blocking, then checked: a pipe put at the path, even
// after a look at it, would otherwise hold the reader forever.
struct RegularFile {
    int descriptor = -1;    // open when the file is a regular one; the caller closes it
    bool otherKind = false; // it opened, but is a pipe, a device or a folder
    struct stat info {};
};
RegularFile openRegularFile(const QByteArray& name);

} // namespace tervane
