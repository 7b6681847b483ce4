#include "platform/TagLibTags.h"

#include <QFile>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <taglib/fileref.h>
#include <taglib/tag.h>

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
    // Opened read-only by name: TagLib opens for writing only to save.
    const QByteArray name = QFile::encodeName(path);
    const TagLib::FileRef file(name.constData(), false);
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
