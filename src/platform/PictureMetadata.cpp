// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PictureMetadata.h"

#include "platform/RegularFile.h"
#include "text/FileNameBytes.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <exiv2/exiv2.hpp>

#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

// The date taken, the best first: when the picture was taken, when it was
// digitised (a scan), then what XMP says of either.
const char* const ExifDateKeys[] = {"Exif.Photo.DateTimeOriginal", "Exif.Photo.DateTimeDigitized"};
const char* const XmpDateKeys[] = {"Xmp.exif.DateTimeOriginal", "Xmp.xmp.CreateDate"};

// A file Exiv2 may read no more than ReadBound bytes of, seeks aside: far
// more than a picture's metadata and the markers before it, far less than a
// file of zeros behind a picture's first bytes, which Exiv2 would otherwise
// look through to its end for a marker.
class BoundedFileIo : public Exiv2::FileIo {
public:
    using Exiv2::FileIo::FileIo;

    Exiv2::DataBuf read(long count) override
    {
        spend(count);
        return Exiv2::FileIo::read(count);
    }
    long read(Exiv2::byte* buffer, long count) override
    {
        spend(count);
        return Exiv2::FileIo::read(buffer, count);
    }
    int getb() override
    {
        spend(1);
        return Exiv2::FileIo::getb();
    }

private:
    void spend(long count)
    {
        m_read += count;
        if (m_read > PictureReadBound)
            throw Exiv2::Error(Exiv2::kerFailedToReadImageData);
    }
    long m_read = 0;
};

// Exiv2 reads pictures on several threads at once once its XMP parser has a
// lock for the namespaces it registers, and keeps its warnings to itself.
void prepareExiv2()
{
    static std::once_flag prepared;
    std::call_once(prepared, [] {
        static std::mutex xmpLock;
        Exiv2::XmpParser::initialize(
            [](void* lock, bool take) {
                auto* mutex = static_cast<std::mutex*>(lock);
                take ? mutex->lock() : mutex->unlock();
            },
            &xmpLock);
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::enableBMFF(true);
    });
}

template <typename Data, typename Key>
QString valueOf(const Data& data, const char* key)
{
    const auto found = data.findKey(Key(key));
    return found == data.end() ? QString() : QString::fromStdString(found->toString()).trimmed();
}

TakenMoment takenMomentIn(const Exiv2::Image& image)
{
    for (const char* key : ExifDateKeys)
        if (TakenMoment moment =
                takenMomentOf(valueOf<Exiv2::ExifData, Exiv2::ExifKey>(image.exifData(), key));
            moment.date.isValid())
            return moment;
    for (const char* key : XmpDateKeys)
        if (TakenMoment moment =
                takenMomentOf(valueOf<Exiv2::XmpData, Exiv2::XmpKey>(image.xmpData(), key));
            moment.date.isValid())
            return moment;
    return {};
}

QString cameraIn(const Exiv2::Image& image)
{
    const auto& exif = image.exifData();
    QString make = valueOf<Exiv2::ExifData, Exiv2::ExifKey>(exif, "Exif.Image.Make");
    QString model = valueOf<Exiv2::ExifData, Exiv2::ExifKey>(exif, "Exif.Image.Model");
    if (make.isEmpty() && model.isEmpty()) {
        make = valueOf<Exiv2::XmpData, Exiv2::XmpKey>(image.xmpData(), "Xmp.tiff.Make");
        model = valueOf<Exiv2::XmpData, Exiv2::XmpKey>(image.xmpData(), "Xmp.tiff.Model");
    }
    return cameraName(make, model);
}

FileTags givenUp(const QDateTime& modified = {})
{
    FileTags tags;
    tags.picture = true;
    tags.modified = modified;
    tags.givenUp = true;
    return tags;
}

QDateTime modifiedOf(const struct stat& info)
{
    const qint64 ms = qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1'000'000;
    QDateTime modified = QDateTime::fromMSecsSinceEpoch(ms);
    // Names hold whole seconds.
    return modified.addMSecs(-modified.time().msec());
}

} // namespace

bool isPictureName(const QString& path)
{
    static const QSet<QString> extensions = {
        u"jpg"_s,  u"jpeg"_s, u"jpe"_s,  u"tif"_s, u"tiff"_s, u"png"_s, u"webp"_s,
        u"heic"_s, u"heif"_s, u"avif"_s, u"cr2"_s, u"cr3"_s,  u"crw"_s, u"nef"_s,
        u"nrw"_s,  u"arw"_s,  u"sr2"_s,  u"srw"_s, u"dng"_s,  u"orf"_s, u"rw2"_s,
        u"raf"_s,  u"pef"_s,  u"3fr"_s,  u"mrw"_s, u"x3f"_s};
    return extensions.contains(QFileInfo(path).suffix().toLower());
}

FileTags readPictureTags(const QString& path)
{
    prepareExiv2();
    // Exiv2 opens the file checked, by the descriptor's own link, never what
    // the path may lead to since.
    const RegularFile file = openRegularFile(bytesOfFileName(path));
    if (file.descriptor < 0)
        return file.otherKind ? givenUp() : FileTags();
    const int descriptor = file.descriptor;
    FileTags tags;
    tags.picture = true;
    tags.modified = modifiedOf(file.info);
    try {
        Exiv2::BasicIo::AutoPtr io(
            new BoundedFileIo("/proc/self/fd/" + std::to_string(descriptor)));
        const auto image = Exiv2::ImageFactory::open(io);
        if (!image.get()) // no picture Exiv2 knows
            throw Exiv2::Error(Exiv2::kerFileContainsUnknownImageType);
        image->readMetadata();
        const TakenMoment taken = takenMomentIn(*image);
        tags.takenDate = taken.date;
        tags.takenTime = taken.time;
        tags.camera = cameraIn(*image);
    } catch (const std::exception&) {
        tags = givenUp(tags.modified);
    }
    ::close(descriptor);
    return tags;
}

TakenMoment takenMomentOf(const QString& text)
{
    static const QRegularExpression moment(
        uR"(^(\d{4})[:-](\d{2})[:-](\d{2})(?:[ T](\d{2}):(\d{2})(?::(\d{2}))?)?)"_s);
    const QRegularExpressionMatch match = moment.match(text);
    if (!match.hasMatch())
        return {};
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
    if (!date.isValid())
        return {};
    if (match.captured(4).isEmpty())
        return {date, {}};
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(),
                     match.captured(6).toInt());
    return {date, time};
}

QString cameraName(const QString& make, const QString& model)
{
    const QString maker = make.simplified();
    const QString named = model.simplified();
    if (maker.isEmpty() || named.isEmpty())
        return named.isEmpty() ? maker : named;
    // "NIKON CORPORATION" is named by "NIKON D850", "Canon" by "Canon EOS R6".
    const QString firstWord = maker.section(u' ', 0, 0);
    if (named.startsWith(firstWord, Qt::CaseInsensitive))
        return named;
    return maker + u' ' + named;
}

} // namespace tervane
