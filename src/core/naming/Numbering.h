// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "naming/TreatmentOptions.h"

#include <QString>

namespace tervane {

// The placeholder a typed template carries for the running number.
inline const QString NumberPlaceholder = QStringLiteral("[NUM]");

// Number of decimal digits of a count (1 for 0).
int digitCount(qint64 count);

// Whether a zero-fill width suits a number of files: no fill (0) always does,
// a fill narrower than the file count's digits does not.
bool fillWidthSuits(int width, qint64 fileCount);

// The fill width a listing of fileCount files moves the selection to: the
// file count's digits (at least 2), unless no fill (0) is chosen.
int fillWidthForListing(int selectedWidth, qint64 fileCount);

// The running number: zero-filled to width when width is 2 or more (keeping
// its last width digits), plain otherwise.
QString numberText(int index, int width);

// Pipeline use: the name numbered as the options say (unchanged when the
// numbering is off); a "[NUM]" in it is plain text.
QString formatNumberedName(const QString& name, int index, const TreatmentOptions& options);

// Where an added text goes into name, 0-based in UTF-16 units: at p = 1 before
// it, at -1 after it, at any other p before its character (code point) at p
// (after it when p is beyond its end).
qsizetype addedStringIndex(QStringView name, int p);

} // namespace tervane
