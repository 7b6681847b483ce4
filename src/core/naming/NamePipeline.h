// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "naming/NameRecord.h"
#include "naming/TreatmentOptions.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace tervane {

// Why the names are generated: the source of new lines, or none (Reapply).
enum class NameSource {
    Clipboard = 0,
    TextFile = 1,
    FileNames = 2,
    TypedTemplate = 3,
    FolderEpisodeX = 4,
    FolderEpisodeSE = 5,
    FileTitles = 6, // the titles the files' tags hold
    DroppedText = 8,
    Reapply = 9,
};

// Sources that obtain their lines themselves before a run.
inline bool obtainsOwnLines(NameSource source)
{
    return static_cast<int>(source) <= static_cast<int>(NameSource::FileTitles);
}

// Why the regular expression of a find and replace (case-insensitive,
// Unicode) does not compile (Qt's reason), or nothing.
QString expressionProblem(const QString& pattern);

// The name on which the find and replace of the records' last run could not
// be decided (the expression engine gave up on it, as it does on a pattern
// that backtracks without end), the first one; that run replaced nothing in
// any name. Nothing when every name was decided.
std::optional<QString> undecidedReplacement(const std::vector<NameRecord>& records);

// Pasted text cut into lines at carriage returns only.
QStringList splitIntoLines(const QString& text);

// Text from outside (clipboard, file, drop) cut into the lines its user sees,
// whatever ends them: CR LF, a carriage return or a line feed alone.
QStringList textLines(const QString& text);

// The source text of a line: the line trimmed of spaces and rid of the
// characters a file name may not hold, colons excepted (a duration is written
// with colons and is only recognised later).
QString sourceTextOfLine(const QString& line);

// One source record per line, each with its line's source text.
std::vector<NameRecord> recordsFromLines(const QStringList& lines);

// Cleans, numbers and completes every record's name from its source text, as
// the options say. Returns the rows of the names list: each name with the
// extension of the file in the same row, and the record it shows. Records
// left empty take no row when the options say so; they stay among the
// records. A find and replace that cannot be decided on some name is made on
// none (undecidedReplacement tells which). Rows of the previous run, made
// with the same file rows, that nothing changed (made at the same place from
// the same text and options) are taken again.
std::vector<NameRow> generateNameRows(std::vector<NameRecord>& records,
                                      const TreatmentOptions& options, const QStringList& fileRows,
                                      const std::vector<NameRow>& previous = {});

} // namespace tervane
