// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <utility>

// Small pictures of the formats the program reads dates from, their
// metadata written by Exiv2: a blank image of Exiv2's own (JPEG, PNG), or
// the least a reader takes (TIFF, WebP).
enum class PictureFormat { Jpeg, Png, Tiff, WebP };

// Metadata by Exiv2 key: {"Exif.Photo.DateTimeOriginal", "2026:12:07 14:33:12"},
// {"Xmp.xmp.CreateDate", "2026-12-07T14:33:12"}.
using PictureMetadata = QList<std::pair<QString, QString>>;

// Writes the picture with that metadata; false when Exiv2 did not take it.
bool writePicture(const QString& path, PictureFormat format, const PictureMetadata& metadata = {});

// The format a picture's name says: .png, .tif, .webp, else JPEG.
PictureFormat pictureFormatOf(const QString& path);
