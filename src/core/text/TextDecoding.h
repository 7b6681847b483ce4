// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QFile;

namespace tervane {

// Text brought in from files: UTF-8 when the bytes are valid UTF-8 (a byte
// order mark is dropped), Windows-1252 otherwise.
QString decodeText(const QByteArray& bytes);
// The same, line by line: a file edited by hand may mix both, and each line
// keeps its own encoding.
QString decodeTextLines(const QByteArray& bytes);

// The text of a whole file, or nothing when it is no text. A byte order mark
// comes first: UTF-16 of its order (refused when odd in length or holding an
// unpaired surrogate) or UTF-8, the mark dropped; without one, decodeText's
// guess. Text holding a NUL is no text.
std::optional<QString> decodeTextFile(const QByteArray& bytes);

// The largest text file the program reads (names, settings, languages).
inline constexpr qint64 MaximumTextFileSize = 16 * 1024 * 1024;

// Why a path cannot be read as a text file, as an error number: 0 for a
// regular file (links followed) of at most MaximumTextFileSize; ENOENT when
// missing; EINVAL for a folder, a pipe or a device (a pipe could block
// forever, a device never end); EFBIG when too large.
int textFileProblem(const QString& path);

// The system's description of such an error number.
QString descriptionOfError(int errorNumber);

// Opens file for reading at path; throws AppError with the system's error
// number (errno, such as 13 for a refused access) when it cannot.
void openForReading(QFile& file, const QString& path);

} // namespace tervane
