// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace tervane {

// One step of a renaming, kept so that it can be undone: the file's bare
// name before and after it. An exchange trades the names of two files at
// once (the file named to takes the name from): both names exist before and
// after it, so only the identities of the two files tell where each is.
struct RenameStep {
    QString from;
    QString to;
    quint64 fromFile = 0; // an exchange: the identity of the file first named from
    quint64 toFile = 0;   // and of the one first named to; 0 for a rename

    bool isExchange() const { return fromFile != 0; }
};

// Told of each name changed, as it is changed: a step done, or one walked
// back (reversed).
using RenameWatcher = std::function<void(const RenameStep&)>;

class FileSystem;

// Whether the folder shows a step as done: its new name present and its old
// one gone (both bare names of the folder); for an exchange, the file first
// named from under the name to.
bool stepLooksDone(const RenameStep& step, const QString& folder, const FileSystem& fileSystem);

// How many files the steps moved: each file counts once, however many
// steps it took (through a temporary name), and an exchange moves two.
std::size_t filesMoved(const std::vector<RenameStep>& steps);

} // namespace tervane
