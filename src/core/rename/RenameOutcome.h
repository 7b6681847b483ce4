// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tervane {

// How a renaming or an undo ended.
enum class RenameOutcome {
    NotPossible,  // no plan: the two lists do not pair up, or the names were
                  // made for other files
    FilesChanged, // a listed file is gone or another file bears its name: the
                  // folder must be read again; nothing was renamed
    NotRecorded,  // the renaming could not be recorded, so nothing was renamed
    Busy,         // the folder could not be locked: another run holds it, or the
                  // system refused (reported)
    Declined,     // the user chose not to go on despite the conflicts
    Finished,     // every file was renamed (or, for an undo, restored)
    StepFailed,   // a step failed and was reported (and maybe rolled back)
};

} // namespace tervane
