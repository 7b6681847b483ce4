// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/RenameWorkspace.h"

#include <optional>
#include <vector>

namespace tervane {

// The editing commands of the names list act on the records behind the rows
// shown: a row reaches its record through its tag, and the records the
// treatments emptied (which take no row) stay where they are. Each command is
// followed by a run of the name pipeline, which rebuilds the rows.

// Adds a record holding text: before the record of row `row`, or after the
// last record when there is no such row. Returns the new record's index.
std::size_t insertNameRecord(RenameWorkspace& workspace, std::size_t row, const QString& text);

// The row that shows a record; none when the record takes no row.
std::optional<std::size_t> rowOfRecord(const RenameWorkspace& workspace, std::size_t record);

// Removes the records of the selected rows (one flag per row).
void removeNameRecords(RenameWorkspace& workspace, const std::vector<bool>& selected);

// Moves every selected row one row up (or down): each changes places with its
// neighbour, the rows nearest the direction first, so that a block moves as
// a whole and the rows it passes land just outside it. The flags follow
// their rows. The caller first checks that no selected row is at that end.
void moveNameRecords(RenameWorkspace& workspace, std::vector<bool>& selected, bool up);

} // namespace tervane
