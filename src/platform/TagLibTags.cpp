#include "platform/TagLibTags.h"

#include <QFile>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <taglib/fileref.h>
#include <taglib/tag.h>
#include <taglib/tfilestream.h>

#include <sys/stat.h>

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

} // namespace

FileTags readFileTags(const QString& path)
{
    // Opened read-only: by name, TagLib would open the file for writing
    // too, which tells watchers (indexers, synchronisers) it was written.
    const QByteArray name = QFile::encodeName(path);
    // Only a regular file: opening a pipe put in its place would wait forever.
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    TagLib::FileStream stream(name.constData(), true);
    if (!stream.isOpen())
        return {};
    const TagLib::FileRef file(&stream, false);
    const TagLib::Tag* tag = file.isNull() ? nullptr : file.tag();
    if (!tag)
        return {};
    return {textOf(tag->title()), textOf(tag->artist()), textOf(tag->album()),
            numberOf(tag->year()), numberOf(tag->track())};
}

std::vector<FileTags> readTagsOfFiles(const QStringList& paths)
{
    QThreadPool pool; // the global one is left to whatever else the program runs
    const QList<FileTags> tags = QtConcurrent::blockingMapped(&pool, paths, readFileTags);
    return std::vector<FileTags>(tags.begin(), tags.end());
}

} // namespace tervane
