#pragma once

#include <QString>

namespace tervane {

// One step of a renaming, kept so that it can be undone: the file's bare
// name before and after it.
struct RenameStep {
    QString from;
    QString to;
};

class FileSystem;

// Whether the folder shows a step as done: its new name present and its old
// one gone (both bare names of the folder).
bool stepLooksDone(const RenameStep& step, const QString& folder, const FileSystem& fileSystem);

} // namespace tervane
