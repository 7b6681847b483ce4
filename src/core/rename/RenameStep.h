#pragma once

#include <QString>

namespace tervane {

// One step of a renaming, kept so that it can be undone: the file's bare
// name before and after it.
struct RenameStep {
    QString from;
    QString to;
};

} // namespace tervane
