// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <thread>
#include <time.h>
#include <vector>

namespace tervane {

// One step of a renaming, kept so that it can be undone: the file's bare
// name before and after it, and the identity of the file it moves, from the
// reading that planned it, so that an undo never moves another file that
// took the name since. An exchange trades the names of two files at once
// (the file named to takes the name from): both names exist before and after
// it, so only the identities of the two files tell where each is.
struct RenameStep {
    QString from;
    QString to;
    quint64 fromFile = 0; // the identity of the file first named from; 0: unknown
    quint64 toFile = 0;   // an exchange: of the one first named to; 0 for a rename

    bool isExchange() const { return toFile != 0; }
    // The step that walks this one back.
    RenameStep reversed() const
    {
        return isExchange() ? RenameStep{to, from, toFile, fromFile}
                            : RenameStep{to, from, fromFile, 0};
    }
};

// The time now as file systems stamp births: nanoseconds since the epoch.
inline qint64 timeNow()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// File systems stamp births with a coarse clock, which lags timeNow() by up
// to one tick of the system: waits until it has passed the time given, so
// that every file born from then on is born after it.
inline void waitUntilBirthsFollow(qint64 time)
{
    timespec now{};
    while (::clock_gettime(CLOCK_REALTIME_COARSE, &now) == 0 &&
           qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec <= time)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

// Which front end made a renaming, as its journal keeps it.
enum class FrontEnd { Unknown, Window, CommandLine };

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

// Each file the steps moved, from the name it had before them to the one it
// has after them (temporary names and exchanges followed through), in the
// order the files were first moved; files back under their name left out.
std::vector<RenameStep> namesBeforeAndAfter(const std::vector<RenameStep>& steps);

} // namespace tervane
