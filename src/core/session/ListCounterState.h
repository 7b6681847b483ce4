// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tervane {

// What the counters and the three action buttons show after a refresh.
struct ListCounterState {
    bool countsAgree = false;
    bool renameEnabled = false;
    bool clearEnabled = false;
    bool undoEnabled = false;
    bool namesForOtherFiles = false; // names there are, made for other file rows
};

} // namespace tervane
