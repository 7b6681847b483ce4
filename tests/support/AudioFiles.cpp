#include "AudioFiles.h"

#include <QFile>
#include <QList>
#include <QtEndian>

#include <taglib/fileref.h>
#include <taglib/id3v1tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tag.h>
#include <taglib/tpropertymap.h>

namespace {

void le(QByteArray& b, quint64 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b += char((value >> (8 * i)) & 0xFF);
}

void be(QByteArray& b, quint64 value, int bytes)
{
    for (int i = bytes; i-- > 0;)
        b += char((value >> (8 * i)) & 0xFF);
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// MPEG-1 layer III frames, 128 kbit/s at 44.1 kHz, silent.
QByteArray mpegFrames()
{
    QByteArray b;
    for (int i = 0; i < 8; ++i)
        b += hex("FFFB9064") + QByteArray(417 - 4, '\0');
    return b;
}

QByteArray flacFile()
{
    QByteArray b = "fLaC" + hex("80000022"); // the last metadata block: STREAMINFO
    be(b, 4096, 2);
    be(b, 4096, 2);
    be(b, 0, 6); // frame sizes unknown
    // sample rate, channels - 1, bits per sample - 1, samples
    be(b, (quint64(44100) << 44) | (quint64(1) << 41) | (quint64(15) << 36) | 44100, 8);
    return b + QByteArray(16, '\0') + hex("FFF8") + QByteArray(30, '\0');
}

quint32 oggChecksum(const QByteArray& page)
{
    quint32 crc = 0;
    for (const char c : page) {
        crc ^= quint32(quint8(c)) << 24;
        for (int k = 0; k < 8; ++k)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04c11db7u : crc << 1;
    }
    return crc;
}

// One Ogg page of whole packets (each under 255 bytes).
QByteArray oggPage(const QList<QByteArray>& packets, char flags, quint64 granule, int sequence)
{
    QByteArray b = "OggS";
    b += '\0';
    b += flags;
    le(b, granule, 8);
    le(b, 0x1234, 4); // stream serial number
    le(b, quint64(sequence), 4);
    le(b, 0, 4); // checksum, below
    b += char(packets.size());
    for (const QByteArray& packet : packets)
        b += char(packet.size());
    for (const QByteArray& packet : packets)
        b += packet;
    const quint32 crc = oggChecksum(b);
    for (int i = 0; i < 4; ++i)
        b[22 + i] = char((crc >> (8 * i)) & 0xFF);
    return b;
}

QByteArray oggVorbisFile()
{
    QByteArray identification = "\x01vorbis";
    le(identification, 0, 4);
    identification += '\x02';
    le(identification, 44100, 4);
    le(identification, 0, 4);
    le(identification, 128000, 4);
    le(identification, 0, 4);
    identification += hex("B801"); // block sizes, framing bit
    const QByteArray comment = "\x03vorbis" + hex("0400000074657374"
                                                  "00000000"
                                                  "01");
    const QByteArray setup = "\x05vorbis" + QByteArray(8, '\0');
    return oggPage({identification}, 0x02, 0, 0) + oggPage({comment, setup}, 0, 0, 1) +
           oggPage({QByteArray(16, '\0')}, 0x04, 44100, 2);
}

QByteArray oggOpusFile()
{
    const QByteArray head = "OpusHead" + hex("0102"
                                             "3801"
                                             "80BB0000"
                                             "0000"
                                             "00");
    const QByteArray tags = "OpusTags" + hex("0400000074657374"
                                             "00000000");
    return oggPage({head}, 0x02, 0, 0) + oggPage({tags}, 0, 0, 1) +
           oggPage({hex("FC") + QByteArray(7, '\0')}, 0x04, 48312, 2);
}

QByteArray mp4Atom(const char* type, const QByteArray& body)
{
    QByteArray b;
    be(b, quint64(8 + body.size()), 4);
    return b + type + body;
}

QByteArray mp4File()
{
    QByteArray movieHeader(4 + 8, '\0'); // version, flags, creation and modification times
    be(movieHeader, 1000, 4);            // time scale
    be(movieHeader, 1000, 4);            // duration
    movieHeader += hex("00010000"
                       "0100") +
                   QByteArray(10, '\0');
    movieHeader += hex("00010000"
                       "00000000"
                       "00000000"
                       "00000000"
                       "00010000"
                       "00000000"
                       "00000000"
                       "00000000"
                       "40000000");
    movieHeader += QByteArray(24, '\0') + hex("00000002");
    return mp4Atom("ftyp", "M4A " + QByteArray(4, '\0') + "M4A isom") +
           mp4Atom("moov", mp4Atom("mvhd", movieHeader)) + mp4Atom("mdat", QByteArray(8, '\0'));
}

QByteArray asfFile()
{
    QByteArray properties = hex("A1DCAB8C47A9CF118EE400C00C205365"); // file properties
    le(properties, 104, 8);
    properties += QByteArray(16 + 8 + 8 + 8, '\0'); // id, size, date, packets
    le(properties, 10000000, 8);                    // play and send durations: 1 s
    le(properties, 10000000, 8);
    le(properties, 0, 8);
    le(properties, 2, 4); // seekable
    le(properties, 0, 8);
    le(properties, 128000, 4);
    QByteArray stream = hex("9107DCB7B7A9CF118EE600C00C205365"); // stream properties
    le(stream, 96, 8);
    stream += hex("409E69F84D5BCF11A8FD00805F5C442B"); // audio
    stream += hex("0057FB20555BCF11A8FD00805F5C442B"); // no error correction
    le(stream, 0, 8);
    le(stream, 18, 4);
    le(stream, 0, 4);
    le(stream, 1, 2);
    le(stream, 0, 4);
    stream += hex("6101"
                  "0200"
                  "44AC0000"
                  "803E0000"
                  "9D0B"
                  "1000"
                  "0000");                                  // WMA v2 format
    QByteArray b = hex("3026B2758E66CF11A6D900AA0062CE6C"); // header
    le(b, quint64(30 + properties.size() + stream.size()), 8);
    le(b, 2, 4);
    b += hex("0102") + properties + stream;
    b += hex("3626B2758E66CF11A6D900AA0062CE6C"); // data, empty
    le(b, 50, 8);
    return b + QByteArray(16 + 8, '\0') + hex("0101");
}

QByteArray apeFile()
{
    QByteArray b = "MAC ";
    le(b, 3990, 2);
    le(b, 0, 2);
    le(b, 52, 4); // descriptor and header sizes
    le(b, 24, 4);
    b += QByteArray(5 * 4 + 16, '\0'); // table, header and data sizes, MD5
    le(b, 2000, 2);                    // compression
    le(b, 0, 2);
    le(b, 73728, 4); // blocks per frame, final frame blocks, frames
    le(b, 44100, 4);
    le(b, 1, 4);
    le(b, 16, 2);
    le(b, 2, 2);
    le(b, 44100, 4);
    return b + QByteArray(16, '\0');
}

QByteArray bytesOf(AudioFormat format)
{
    switch (format) {
    case AudioFormat::Mp3:
    case AudioFormat::Mp3Id3v1:
        return mpegFrames();
    case AudioFormat::Flac:
        return flacFile();
    case AudioFormat::OggVorbis:
        return oggVorbisFile();
    case AudioFormat::OggOpus:
        return oggOpusFile();
    case AudioFormat::Mp4:
        return mp4File();
    case AudioFormat::Asf:
        return asfFile();
    case AudioFormat::Ape:
        return apeFile();
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
