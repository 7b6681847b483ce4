// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/TagReading.h"

namespace tervane {

// A picture's date and camera as readPictureTags reads them; else
// the tags of a music file as TagLib reads them (ID3v1 and ID3v2, Vorbis
// comments, MP4 atoms, ASF, APE), without the audio properties; empty
// fields for a file it cannot read. Never writes. Gives up on a file whose
// frames or tags do not show within LookedThroughBound bytes, whatever its
// size, and on any once stop is requested.
FileTags readFileTags(const QString& path, std::stop_token stop = {});

// What TagLib may look through, a small block at a time, for a file's first
// frame or its tags: far more than junk before a real file's first frame,
// far less than a file left full of zeros by an unfinished download. The
// tags' own bodies, read whole, do not count.
constexpr unsigned long LookedThroughBound = 1 << 20;

// The tags of every file, read on the thread pool; the caller waits.
std::vector<FileTags> readTagsOfFiles(const QStringList& paths);

// The same as a reading that is never cancelled (the command line's).
class WaitedTagReading : public TagReading {
public:
    std::optional<std::vector<FileTags>> readTags(const QStringList& paths) override
    {
        return readTagsOfFiles(paths);
    }
};

} // namespace tervane
