// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/RenameStep.h"

#include <QString>
#include <optional>
#include <vector>

namespace tervane {

class FileSystem;
class FolderNames;

// A renaming that runs without overwriting although its new names are taken:
// a chain (a to b, b to c) runs from its end (b to c first), and each cycle
// (a to b, b to a, or longer) goes through one temporary name of the program
// in the same folder ("tervane-<pid>-<n>.tmp"), but two files trading names
// on a file system that can exchange them, which they do in one step. The
// steps come in the order they run, temporary names included, which is what
// the undo set and the journal keep.
struct OrderedPlan {
    std::vector<RenameStep> steps;
    bool reordered = false; // the steps no longer run row by row
    std::size_t temporaries = 0;
    std::size_t exchanges = 0;
    std::vector<bool> rowsInChains; // as rowsInChains() tells of the plan given
};

// The plan ordered so; none when it is not resolvable: a new name is taken by
// a file the plan does not move away. Linear in the plan: one look-up of each
// new name among the old ones, and of each chain's last name among the names
// of the folder (read now when not given).
std::optional<OrderedPlan> orderPlan(const std::vector<RenameStep>& plan, const QString& folder,
                                     const FileSystem& fileSystem, const FolderNames& names);
std::optional<OrderedPlan> orderPlan(const std::vector<RenameStep>& plan, const QString& folder,
                                     const FileSystem& fileSystem);

// The plan with each rename that only changes letter case, on a file system
// that ignores case (both names lead to the same file), made two steps through
// a temporary name: a direct rename there may do nothing, and a step of its
// own keeps the middle name in the journal like any other.
std::vector<RenameStep> withCaseOnlyRenamesSplit(std::vector<RenameStep> plan,
                                                 const QString& folder,
                                                 const FileSystem& fileSystem);

// Which rows of the plan belong to a chain or a cycle (their new name is the
// old name of another row), as the command line marks them.
std::vector<bool> rowsInChains(const std::vector<RenameStep>& plan);

} // namespace tervane
