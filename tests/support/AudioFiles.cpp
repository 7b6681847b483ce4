// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioFiles.h"

#include <QFile>

#include <taglib/fileref.h>
#include <taglib/id3v1tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tag.h>
#include <taglib/tpropertymap.h>

namespace {

// The smallest files TagLib takes for each format: headers and a frame or a
// packet of silence, no tag.
QByteArray bytesOf(AudioFormat format)
{
    switch (format) {
    case AudioFormat::Mp3:
    case AudioFormat::Mp3Id3v1: {
        // Eight MPEG-1 layer III frames, 128 kbit/s at 44.1 kHz, silent.
        QByteArray frames;
        for (int i = 0; i < 8; ++i)
            frames += QByteArray::fromHex("FFFB9064") + QByteArray(417 - 4, '\0');
        return frames;
    }
    case AudioFormat::Flac:
        // "fLaC", the last metadata block: STREAMINFO (44.1 kHz, stereo, 16 bits,
        // one second), then the start of a frame.
        return QByteArray::fromHex(
            "664C614380000022100010000000000000000AC442F00000AC440000000000000000000000000000"
            "0000FFF8000000000000000000000000000000000000000000000000000000000000");
    case AudioFormat::OggVorbis:
        // Three Ogg pages: the Vorbis identification header, the comment and setup
        // headers, and one audio packet ending the stream.
        return QByteArray::fromHex(
            "4F67675300020000000000000000341200000000000078FE509B011E01766F726269730000000002"
            "44AC00000000000000F4010000000000B8014F676753000000000000000000003412000001000000"
            "13B7BF4202140F03766F726269730400000074657374000000000105766F72626973000000000000"
            "00004F676753000444AC0000000000003412000002000000A26AC3F0011000000000000000000000"
            "000000000000");
    case AudioFormat::OggOpus:
        // Three Ogg pages: OpusHead (stereo, 48 kHz), OpusTags, one audio packet.
        return QByteArray::fromHex(
            "4F6767530002000000000000000034120000000000008E48F7F401134F7075734865616401023801"
            "80BB00000000004F67675300000000000000000000341200000100000048A9A27B01144F70757354"
            "6167730400000074657374000000004F6767530004B8BC00000000000034120000020000001F10CC"
            "590108FC00000000000000");
    case AudioFormat::Mp4:
        // "ftyp" (M4A), "moov" holding a movie header of one second, an empty "mdat".
        return QByteArray::fromHex(
            "00000018667479704D344120000000004D34412069736F6D000000746D6F6F760000006C6D766864"
            "000000000000000000000000000003E8000003E80001000001000000000000000000000000010000"
            "00000000000000000000000000010000000000000000000000000000400000000000000000000000"
            "0000000000000000000000000000000000000002000000106D6461740000000000000000");
    case AudioFormat::Asf:
        // An ASF header with its file properties and one WMA v2 audio stream, and an
        // empty data object.
        return QByteArray::fromHex(
            "3026B2758E66CF11A6D900AA0062CE6CE600000000000000020000000102A1DCAB8C47A9CF118EE4"
            "00C00C20536568000000000000000000000000000000000000000000000000000000000000000000"
            "00000000000000000000000000008096980000000000809698000000000000000000000000000200"
            "0000000000000000000000F401009107DCB7B7A9CF118EE600C00C2053656000000000000000409E"
            "69F84D5BCF11A8FD00805F5C442B0057FB20555BCF11A8FD00805F5C442B00000000000000001200"
            "0000000000000100000000006101020044AC0000803E00009D0B100000003626B2758E66CF11A6D9"
            "00AA0062CE6C32000000000000000000000000000000000000000000000000000000000000000101");
    case AudioFormat::Ape:
        // A Monkey's Audio descriptor and header (44.1 kHz, stereo, 16 bits).
        return QByteArray::fromHex(
            "4D414320960F00003400000018000000000000000000000000000000000000000000000000000000"
            "000000000000000000000000D00700000020010044AC0000010000001000020044AC000000000000"
            "000000000000000000000000");
    }
    return {};
}

TagLib::String tagText(const QString& text)
{
    return TagLib::String(text.toStdString(), TagLib::String::UTF8);
}

void fill(TagLib::Tag* tag, const AudioTags& tags)
{
    tag->setTitle(tagText(tags.title));
    tag->setArtist(tagText(tags.artist));
    tag->setAlbum(tagText(tags.album));
    tag->setYear(tags.year);
    tag->setTrack(tags.track.section(u'/', 0, 0).toUInt());
}

} // namespace

bool writeAudioFile(const QString& path, AudioFormat format, const std::optional<AudioTags>& tags)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytesOf(format)) < 0)
        return false;
    file.close();
    if (!tags)
        return true;
    const QByteArray name = QFile::encodeName(path);
    if (format == AudioFormat::Mp3Id3v1) {
        TagLib::MPEG::File mpeg(name.constData(), false);
        fill(mpeg.ID3v1Tag(true), *tags);
        return mpeg.save(TagLib::MPEG::File::ID3v1, TagLib::File::StripOthers);
    }
    TagLib::FileRef ref(name.constData(), false);
    if (ref.isNull())
        return false;
    fill(ref.tag(), *tags);
    // The track as written ("3/12"): the file's own properties keep it whole.
    TagLib::PropertyMap properties = ref.file()->properties();
    properties.replace("TRACKNUMBER", TagLib::StringList(tagText(tags->track)));
    ref.file()->setProperties(properties);
    return ref.save();
}
