// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "naming/NameRecord.h"
#include "rename/RenameStep.h"

#include <QStringList>
#include <vector>

namespace tervane {

// The state behind the two paired lists: name row i is the new name of file
// row i, and nothing else links them.
struct RenameWorkspace {
    QString listedFolder;
    QStringList fileRows;
    std::vector<NameRow> nameRows;
    std::vector<NameRecord> sourceRecords;
    std::vector<RenameStep> undoSet;
};

// The renaming the two lists describe: file row i to name row i, in row
// order; none when they do not pair up (no rows, or counts that differ).
std::vector<RenameStep> renamePlan(const RenameWorkspace& workspace);

// Counts the naming problems of the names list: every empty name (a row
// whose generated name is empty counts so, extension or not), and every pair
// of names equal without regard to case (so three equal names count 3).
// Rows with a problem are marked; no mark is ever cleared here.
int countNameProblems(std::vector<NameRow>& rows);

// What the counters and the three action buttons show after a refresh.
struct ListCounterState {
    bool countsAgree = false;
    bool renameEnabled = false;
    bool clearEnabled = false;
    bool undoEnabled = false;
};

// From the count of naming problems of the names list (countNameProblems).
ListCounterState listCounterState(const RenameWorkspace& workspace, int nameProblems);

} // namespace tervane
