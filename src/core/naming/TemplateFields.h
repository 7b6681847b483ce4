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

// Whether the template needs the files' tags.
bool usesTagFields(const QString& pattern);

// The template filled for one file row: "[NUM]" takes the running number
// (index, zero-filled to width), "[PISTE]" the tag's track number
// (zero-filled, never cut), the other fields the tags' texts, "[TITRE]" the
// file's name without its extension when the tags hold no title. One pass: a
// field's text is never read as a field. The line still holds whatever
// characters the tags do: it is cleaned as any source line is.
QString fillTemplate(const QString& pattern, int index, int width, const QString& fileName,
                     const FileTags& tags);

} // namespace tervane
