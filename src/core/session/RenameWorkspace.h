// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "naming/NameRecord.h"
#include "rename/RenameStep.h"
#include "session/ListCounterState.h"

#include <QStringList>
#include <vector>

namespace tervane {

// The files a list of names was made for: the file rows that stood beside
// the names when the user last made or changed them, in row order, by the
// names they bear since (followed through every renaming made here), their
// identities and their births (0 where the reading gave none).
struct NamesMadeFor {
    QString folder;
    QStringList files;
    std::vector<quint64> identities;
    std::vector<qint64> births;
};

// The state behind the two paired lists: name row i is the new name of file
// row i, and the names go only to the files they were made for.
struct RenameWorkspace {
    QString listedFolder;
    QStringList fileRows;
    std::vector<quint64> fileIdentities; // of each file row, as its reading gave it
    std::vector<qint64> fileBirths;      // the same
    std::vector<NameRow> nameRows;
    std::vector<NameRecord> sourceRecords;
    std::vector<RenameStep> undoSet;
    NamesMadeFor namesMadeFor;
};

// Whether two readings' identities or births of the same rows agree wherever
// both know them (0: not known).
template <typename Value>
bool agreeWhereKnown(const std::vector<Value>& a, const std::vector<Value>& b)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i] != 0 && b[i] != 0 && a[i] != b[i])
            return false;
    return true;
}

// Whether the file rows are the files the names were made for: the same
// folder, the same names in the same order and, where both readings gave
// them, the same identity and birth (a file replaced by another of the same
// name is another file).
bool fileRowsAreMadeFor(const RenameWorkspace& workspace);

// The renaming the two lists describe: file row i to name row i, in row
// order; none when they do not pair up (no rows, or counts that differ).
std::vector<RenameStep> renamePlan(const RenameWorkspace& workspace);

// Counts the naming problems of the names list: every empty name (a row
// whose generated name is empty counts so, extension or not), and every pair
// of names equal without regard to case (so three equal names count 3).
// Rows with a problem are marked; no mark is ever cleared here.
int countNameProblems(std::vector<NameRow>& rows);

// From the count of naming problems of the names list (countNameProblems) and
// whether the names were made for the file rows (fileRowsAreMadeFor).
ListCounterState listCounterState(const RenameWorkspace& workspace, int nameProblems,
                                  bool namesMadeForFiles);

} // namespace tervane
