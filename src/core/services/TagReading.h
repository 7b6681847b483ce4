// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <stop_token>
#include <vector>

namespace tervane {

// What a file says of itself in its tags; empty where it says nothing.
struct FileTags {
    QString title;
    QString artist;
    QString album;
    QString year;
    QString track; // the track's number alone: "3" of "3/12"
    // A picture's: when it was taken, in the local time its camera wrote
    // (no time zone; invalid when it says none), and by which camera.
    bool picture = false; // read as a picture
    QDate takenDate;
    QTime takenTime;
    QString camera;
    // When the file was last written, in local time: a picture's date only
    // when the user asks for it in place of a missing one.
    QDateTime modified;
    // Set when the reading gave up on the file before finding its tags (too
    // much of it looked through, or stopped): its fields stay empty.
    bool givenUp = false;
};

// Reads the tags of one file, never writing any: a music file's, or a
// picture's metadata; a file that cannot be read (damaged, unreadable, of
// neither kind) gives empty fields. Gives up soon after
// stop is requested. Called from several threads at once.
using FileTagReader = std::function<FileTags(const QString& path, std::stop_token stop)>;

// Reads the tags of many files, keeping the window alive meanwhile.
class TagReading {
public:
    virtual ~TagReading() = default;
    // The tags of each file, in order; none when the reading was cancelled.
    virtual std::optional<std::vector<FileTags>> readTags(const QStringList& paths) = 0;
};

// Another reading, whose files given up on are told, in their order, once
// all are read; a cancelled reading tells nothing.
class TellingTagReading : public TagReading {
public:
    using Tell = std::function<void(const QStringList& givenUp)>;
    TellingTagReading(TagReading& reading, Tell tell)
        : m_reading(reading)
        , m_tell(std::move(tell))
    {}
    std::optional<std::vector<FileTags>> readTags(const QStringList& paths) override
    {
        auto tags = m_reading.readTags(paths);
        QStringList givenUp;
        for (std::size_t i = 0; tags && i < tags->size(); ++i)
            if ((*tags)[i].givenUp)
                givenUp << paths[qsizetype(i)];
        if (!givenUp.isEmpty())
            m_tell(givenUp);
        return tags;
    }

private:
    TagReading& m_reading;
    Tell m_tell;
};

} // namespace tervane
