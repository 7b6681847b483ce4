// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TagLibTags.h"

#include "platform/PictureMetadata.h"
#include "platform/RegularFile.h"

#include "text/FileNameBytes.h"

#include <QFile>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <taglib/fileref.h>
#include <taglib/tag.h>
#include <taglib/tfilestream.h>

#include <unistd.h>

namespace tervane {

namespace {

QString textOf(const TagLib::String& text)
{
    return QString::fromStdWString(text.toWString());
}

QString numberOf(unsigned int number)
{
    return number ? QString::number(number) : QString();
}

FileTags givenUpTags()
{
    FileTags tags;
    tags.givenUp = true;
    return tags;
}

// A file already open, read-only, under its own name: TagLib tells formats
// apart by the name's extension first. It seems to end once TagLib has looked
// through LookedThroughBound bytes, or once the reading is stopped: TagLib
// would otherwise look for a frame through the whole file.
class OpenFileStream : public TagLib::FileStream {
public:
    OpenFileStream(int descriptor, QByteArray name, std::stop_token stop)
        : TagLib::FileStream(descriptor, true)
        , m_name(std::move(name))
        , m_stop(std::move(stop))
    {}
    TagLib::FileName name() const override { return m_name.constData(); }

    // TagLib looks for something a buffer at a time; a tag's body, whatever
    // its size, it reads at once.
    TagLib::ByteVector readBlock(unsigned long length) override
    {
        if (length <= bufferSize())
            m_lookedThrough += length;
        if (m_lookedThrough > LookedThroughBound || m_stop.stop_requested())
            m_givenUp = true;
        return m_givenUp ? TagLib::ByteVector() : TagLib::FileStream::readBlock(length);
    }
    bool givenUp() const { return m_givenUp; }

private:
    QByteArray m_name;
    std::stop_token m_stop;
    unsigned long m_lookedThrough = 0;
    bool m_givenUp = false;
};

} // namespace

FileTags readFileTags(const QString& path, std::stop_token stop)
{
    if (isPictureName(path))
        return stop.stop_requested() ? givenUpTags() : readPictureTags(path);
    const QByteArray name = bytesOfFileName(path);
    // Opened here: by name, TagLib would open the file for writing too.
    const int descriptor = openRegularFile(name).descriptor;
    if (descriptor < 0)
        return {};
    OpenFileStream stream(descriptor, name, std::move(stop)); // closes the descriptor once open
    if (!stream.isOpen()) {
        ::close(descriptor);
        return {};
    }
    const TagLib::FileRef file(&stream, false);
    if (stream.givenUp())
        return givenUpTags();
    const TagLib::Tag* tag = file.isNull() ? nullptr : file.tag();
    if (!tag)
        return {};
    FileTags tags;
    tags.title = textOf(tag->title());
    tags.artist = textOf(tag->artist());
    tags.album = textOf(tag->album());
    tags.year = numberOf(tag->year());
    tags.track = numberOf(tag->track());
    return tags;
}

std::vector<FileTags> readTagsOfFiles(const QStringList& paths)
{
    QThreadPool pool; // the global one is left to whatever else the program runs
    const QList<FileTags> tags = QtConcurrent::blockingMapped(
        &pool, paths, [](const QString& path) { return readFileTags(path); });
    return std::vector<FileTags>(tags.begin(), tags.end());
}

} // namespace tervane
