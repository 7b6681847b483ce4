// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/TagReading.h"

namespace tervane {

// Whether a file is read as a picture, by its name's extension: JPEG, TIFF,
// PNG, WebP, HEIF and the raw formats of cameras Exiv2 reads.
bool isPictureName(const QString& path);

// When a picture was taken and by which camera, as Exiv2 reads them from its
// metadata (Exif, then XMP), with the file's last write time; never writes.
// Exiv2 reads the metadata's structures, not the picture itself, and no more
// than PictureReadBound bytes in all, whatever the file's size. A file that
// is no regular file (a pipe, a device), or whose metadata cannot be read
// within that (truncated, damaged, not a picture), is given up on.
FileTags readPictureTags(const QString& path);
constexpr long PictureReadBound = 16L << 20;

// The moment a metadata field gives ("2026:12:07 14:33:12" of Exif,
// "2026-12-07T14:33:12.5+01:00" of XMP), in the local time written: its
// sub-seconds and time zone are left out. Invalid where it holds none.
struct TakenMoment {
    QDate date;
    QTime time;
};
TakenMoment takenMomentOf(const QString& text);

// The camera as named in a file name: the model, after the maker when the
// model does not already name it ("SONY ILCE-7M3", "Canon EOS R6").
QString cameraName(const QString& make, const QString& model);

} // namespace tervane
