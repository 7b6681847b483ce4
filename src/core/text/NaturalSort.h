// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace tervane {

// Orders of file names. Both compare text without regard to letter case,
// following the collation of the user's locale.

// Alphabetical order ignoring case. Names that differ only in case (possible
// on this file system) keep a fixed order between them: code units decide.
void sortAlphabetically(QStringList& names);

// Numeric order by the run of ASCII digits that every name holds at one
// position, the rest of each name being the same before it:
// - when every name begins with a digit, the digits at the start;
// - otherwise the digits at the first position where some name differs from
//   the first name (its last character when every name begins with the whole
//   first name). When any name has no digit there, the names keep the order
//   they came in.
// Runs compare as numbers of any length (leading zeros do not count); equal
// numbers are ordered by the whole names, and names that are equal even then
// keep their incoming order.
void sortNumerically(QStringList& names);

} // namespace tervane
