// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PictureFiles.h"

#include <QFile>

#include <exiv2/exiv2.hpp>
#include <exiv2/webpimage.hpp>

namespace {

// A TIFF of one entry (its width), and a lossless WebP of one pixel.
const QByteArray LeastTiff = QByteArray::fromHex("49492a00080000000100000103000100000001000000"
                                                 "00000000");
const QByteArray LeastWebP =
    QByteArray::fromHex("524946461a000000574542505650384c0d0000002f0000001007101111888"
                        "8fe0700");

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

bool writePicture(const QString& path, PictureFormat format, const PictureMetadata& metadata)
{
    const std::string name = QFile::encodeName(path).toStdString();
    try {
        Exiv2::Image::AutoPtr image;
        if (format == PictureFormat::Jpeg || format == PictureFormat::Png) {
            image = Exiv2::ImageFactory::create(
                format == PictureFormat::Jpeg ? Exiv2::ImageType::jpeg : Exiv2::ImageType::png,
                name);
        } else {
            if (!writeBytes(path, format == PictureFormat::Tiff ? LeastTiff : LeastWebP))
                return false;
            image = Exiv2::ImageFactory::open(name);
            image->readMetadata();
        }
        Exiv2::ExifData exif;
        Exiv2::XmpData xmp;
        for (const auto& [key, value] : metadata) {
            if (key.startsWith(QStringLiteral("Xmp.")))
                xmp[key.toStdString()] = value.toStdString();
            else
                exif[key.toStdString()] = value.toStdString();
        }
        image->setExifData(exif);
        image->setXmpData(xmp);
        image->writeMetadata();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

PictureFormat pictureFormatOf(const QString& path)
{
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return PictureFormat::Png;
    if (path.endsWith(QStringLiteral(".tif"), Qt::CaseInsensitive))
        return PictureFormat::Tiff;
    if (path.endsWith(QStringLiteral(".webp"), Qt::CaseInsensitive))
        return PictureFormat::WebP;
    return PictureFormat::Jpeg;
}
