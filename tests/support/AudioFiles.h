// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// Small music files of every format the program reads tags from: their
// headers and a little silence, tagged by TagLib's own classes.
enum class AudioFormat { Mp3, Mp3Id3v1, Flac, OggVorbis, OggOpus, Mp4, Asf, Ape };

struct AudioTags {
    QString title;
    QString artist;
    QString album;
    unsigned year = 0;
    QString track; // as the tag holds it: "3" or "3/12"
};

// Writes the file, with these tags or none at all; false when TagLib did not
// take them.
bool writeAudioFile(const QString& path, AudioFormat format,
                    const std::optional<AudioTags>& tags = std::nullopt);
