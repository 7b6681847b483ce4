// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/TagReading.h"

#include <QString>

namespace tervane {

// The fields a typed template may hold beside "[NUM]", each filled from the
// tags of its file row; matched with these exact capitals, as "[NUM]" is.
inline const QString TitleField = QStringLiteral("[TITRE]");
inline const QString ArtistField = QStringLiteral("[ARTISTE]");
inline const QString AlbumField = QStringLiteral("[ALBUM]");
inline const QString YearField = QStringLiteral("[ANNEE]");
inline const QString TrackField = QStringLiteral("[PISTE]");
// A picture's: the date and time it was taken ("2026-12-07", "14.33.12": a
// colon has no place in a name) and its camera.
inline const QString DateField = QStringLiteral("[DATE]");
inline const QString TimeField = QStringLiteral("[HEURE]");
inline const QString CameraField = QStringLiteral("[APPAREIL]");

// Whether the template needs the files' tags; its date fields.
bool usesTagFields(const QString& pattern);
bool usesDateFields(const QString& pattern);

// A picture's date and time taken as the fields write them.
QString takenDateText(const FileTags& tags);
QString takenTimeText(const FileTags& tags);

// The template filled for one file row: "[NUM]" takes the running number
// (index, zero-filled to width), "[PISTE]" the tag's track number
// (zero-filled, never cut), the other fields the tags' texts, "[TITRE]" the
// file's name without its extension when the tags hold no title. One pass: a
// field's text is never read as a field. The line still holds whatever
// characters the tags do: it is cleaned as any source line is.
QString fillTemplate(const QString& pattern, int index, int width, const QString& fileName,
                     const FileTags& tags);

} // namespace tervane
