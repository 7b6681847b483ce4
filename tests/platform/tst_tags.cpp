// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TagLibTags.h"
#include "support/AudioFiles.h"
#include "support/PictureFiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

using namespace tervane;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(AudioFormat)
Q_DECLARE_METATYPE(PictureMetadata)

namespace {

// Makes the calling thread's openings of files wait for a supervisor, through
// the kernel's seccomp user notifications: whatever a reader checks first, a
// test can put something else at the path just before it is opened. Returns
// the supervisor's descriptor, or -1 where the system refuses.
int superviseOpenings()
{
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_USER_NOTIF),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog program{sizeof filter / sizeof filter[0], filter};
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return -1;
    return int(::syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_NEW_LISTENER,
                         &program));
}

// Lets a waiting opening go on, after calling before(path) for it.
template <typename Before>
void letOpeningsGoOn(int supervisor, Before before)
{
    pollfd waiting{supervisor, POLLIN, 0};
    while (::poll(&waiting, 1, 0) > 0 && (waiting.revents & POLLIN)) {
        seccomp_notif opening{};
        if (::ioctl(supervisor, SECCOMP_IOCTL_NOTIF_RECV, &opening) != 0)
            return;
        // The reader is a thread of this process: its path is readable here.
        before(reinterpret_cast<const char*>(opening.data.args[1]));
        seccomp_notif_resp answer{opening.id, 0, 0, SECCOMP_USER_NOTIF_FLAG_CONTINUE};
        ::ioctl(supervisor, SECCOMP_IOCTL_NOTIF_SEND, &answer);
    }
}

} // namespace

// Tags read by TagLib from real files of every format, written by the test.
class TestTags : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void everyFormatAndField_data()
    {
        QTest::addColumn<AudioFormat>("format");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("track"); // as the tag holds it
        QTest::addColumn<QString>("trackRead");
        const QString awkward = u"AC/DC: Live\nin Paris"_s;
        const struct {
            const char* name;
            AudioFormat format;
            const char* file;
        } formats[] = {
            {"ID3v2", AudioFormat::Mp3, "a.mp3"},     {"ID3v1", AudioFormat::Mp3Id3v1, "a.mp3"},
            {"FLAC", AudioFormat::Flac, "a.flac"},    {"Vorbis", AudioFormat::OggVorbis, "a.ogg"},
            {"Opus", AudioFormat::OggOpus, "a.opus"}, {"MP4", AudioFormat::Mp4, "a.m4a"},
            {"ASF", AudioFormat::Asf, "a.wma"},       {"APE", AudioFormat::Ape, "a.ape"},
        };
        // Larger than what a reading looks through, as a cover picture may be.
        const QString large(qsizetype(2 * LookedThroughBound), u'L');
        for (const auto& f : formats) {
            const QString file = QString::fromLatin1(f.file);
            QTest::addRow("%s, track 3/12", f.name)
                << f.format << file << u"Intro"_s << u"3/12"_s << u"3"_s;
            QTest::addRow("%s, a title with / : and a line break", f.name)
                << f.format << file << awkward << u"12"_s << u"12"_s;
            // ID3v1 titles have 30 bytes, ASF's 64 KiB.
            if (f.format != AudioFormat::Mp3Id3v1 && f.format != AudioFormat::Asf)
                QTest::addRow("%s, a title of 2 MiB", f.name)
                    << f.format << file << large << u"1"_s << u"1"_s;
        }
    }
    void everyFormatAndField()
    {
        QFETCH(AudioFormat, format);
        QFETCH(QString, file);
        QFETCH(QString, title);
        QFETCH(QString, track);
        const AudioTags written{title, u"Artiste é"_s, u"Album"_s, 1999, track};
        QVERIFY(writeAudioFile(path(file), format, written));
        const FileTags read = readFileTags(path(file));
        QCOMPARE(read.title, title);
        QCOMPARE(read.artist, written.artist);
        QCOMPARE(read.album, u"Album"_s);
        QCOMPARE(read.year, u"1999"_s);
        QTEST(read.track, "trackRead");
    }

    // Whatever the file, no error: empty fields. A file whose frames or tags
    // do not show early enough is given up on, whatever its size.
    void unreadableFilesGiveEmptyFields_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes"); // empty: an untagged file of the extension
        QTest::addColumn<bool>("givenUp");
        QByteArray noise(5000, '\0');
        QRandomGenerator random(7);
        for (char& c : noise)
            c = char(random.bounded(256));
        QTest::newRow("mp3 without tags") << u"b.mp3"_s << QByteArray() << false;
        QTest::newRow("flac without tags") << u"b.flac"_s << QByteArray() << false;
        QTest::newRow("m4a without tags") << u"b.m4a"_s << QByteArray() << false;
        QTest::newRow("damaged mp3") << u"c.mp3"_s << noise << false;
        QTest::newRow("damaged flac") << u"c.flac"_s << noise << false;
        QTest::newRow("damaged ogg") << u"c.ogg"_s << QByteArray("OggS") + noise << false;
        QTest::newRow("damaged wma") << u"c.wma"_s << noise.left(40) << false;
        QTest::newRow("text file") << u"notes.txt"_s << QByteArray("Intro\nSong\n") << false;
        QTest::newRow("empty file") << u"empty.mp3"_s << QByteArray("") << false;
        QTest::newRow("missing file") << u"missing.mp3"_s << QByteArray() << false;
        QTest::newRow("a folder") << u"folder.mp3"_s << QByteArray() << false;
        QTest::newRow("a named pipe") << u"pipe.mp3"_s << QByteArray() << false;
        QTest::newRow("sparse mp3 of 1 GiB") << u"sparse.mp3"_s << QByteArray() << true;
        QTest::newRow("sparse flac of 1 GiB") << u"sparse.flac"_s << QByteArray() << true;
        QTest::newRow("ID3v1 after more junk than is looked through")
            << u"junk.mp3"_s
            << QByteArray(2 * LookedThroughBound, '\x01') + "TAG" + QByteArray(125, 'J') << true;
    }
    void unreadableFilesGiveEmptyFields()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        const QString full = path(file);
        if (file.startsWith(u"b."_s)) {
            const AudioFormat format = file.endsWith(u"mp3"_s)    ? AudioFormat::Mp3
                                       : file.endsWith(u"flac"_s) ? AudioFormat::Flac
                                                                  : AudioFormat::Mp4;
            QVERIFY(writeAudioFile(full, format));
        } else if (file.startsWith(u"folder"_s)) {
            QVERIFY(QDir().mkpath(full));
        } else if (file.startsWith(u"pipe"_s)) {
            QCOMPARE(::mkfifo(QFile::encodeName(full).constData(), 0600), 0);
        } else if (file.startsWith(u"sparse"_s)) {
            // Space set aside by an unfinished download: a hole, read as zeros.
            QFile out(full);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.resize(qint64(1) << 30));
        } else if (!file.startsWith(u"missing"_s)) {
            QFile out(full);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(bytes);
        }
        const FileTags read = readFileTags(full);
        QVERIFY(read.title.isEmpty() && read.artist.isEmpty() && read.album.isEmpty() &&
                read.year.isEmpty() && read.track.isEmpty());
        QTEST(read.givenUp, "givenUp");
    }

    // A reading stopped gives up on the file it reads: the window's Cancel.
    void stoppedReadingGivesUp()
    {
        QVERIFY(writeAudioFile(path(u"stopped.mp3"_s), AudioFormat::Mp3,
                               AudioTags{u"T"_s, {}, {}, 0, {}}));
        std::stop_source stop;
        stop.request_stop();
        const FileTags read = readFileTags(path(u"stopped.mp3"_s), stop.get_token());
        QVERIFY(read.givenUp);
        QVERIFY(read.title.isEmpty());
    }

    // A pipe put in a music file's place just before it is opened, after any
    // check of the path, never holds the reader: no tags from it.
    void pipeSwappedInBeforeOpeningNeverHoldsTheReader()
    {
        const QByteArray file = QFile::encodeName(path(u"swapped.mp3"_s));
        const QByteArray pipe = QFile::encodeName(path(u"swapped pipe"_s));
        QVERIFY(writeAudioFile(path(u"swapped.mp3"_s), AudioFormat::Mp3,
                               AudioTags{u"T"_s, {}, {}, 0, {}}));
        QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
        std::promise<int> listening;
        std::atomic<bool> done{false};
        FileTags read;
        read.title = u"not read"_s;
        std::thread reader([&] {
            const int supervisor = superviseOpenings();
            listening.set_value(supervisor);
            if (supervisor < 0)
                return;
            read = readFileTags(path(u"swapped.mp3"_s));
            done = true;
        });
        const int supervisor = listening.get_future().get();
        if (supervisor < 0) {
            reader.join();
            QSKIP("the system does not let a test supervise openings");
        }
        bool swapped = false;
        const auto readerDone = [&] {
            letOpeningsGoOn(supervisor, [&](const char* opened) {
                if (!swapped && opened == file)
                    swapped = ::renameat2(AT_FDCWD, file.constData(), AT_FDCWD, pipe.constData(),
                                          RENAME_EXCHANGE) == 0;
            });
            return done.load();
        };
        const bool finished = QTest::qWaitFor(readerDone, 10000);
        // A reader held by the pipe is let go by a writer, so that the test
        // fails rather than hangs.
        if (!finished)
            ::close(::open(file.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
        if (!QTest::qWaitFor(readerDone))
            qFatal("a reader stays held by a pipe");
        reader.join();
        ::close(supervisor);
        QVERIFY(swapped);
        QVERIFY(finished);
        QVERIFY(read.title.isEmpty());
    }

    // The extension tells the format first: an ID3v1 tag is read after
    // audio that nothing recognises.
    void extensionTellsTheFormat()
    {
        const QByteArray tag = "TAG" + QByteArray("Noise").leftJustified(30, '\0');
        QFile file(path(u"noise.mp3"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(2000, '\x01') + tag.leftJustified(128, '\0'));
        file.close();
        QCOMPARE(readFileTags(file.fileName()).title, u"Noise"_s);
    }

    // A file read is never opened for writing: watchers would take it for
    // written.
    void readingNeverOpensForWriting()
    {
        const QString file = path(u"watched.flac"_s);
        QVERIFY(writeAudioFile(file, AudioFormat::Flac, AudioTags{u"T"_s, {}, {}, 0, {}}));
        const int watch = inotify_init1(IN_NONBLOCK);
        QVERIFY(inotify_add_watch(watch, QFile::encodeName(file).constData(),
                                  IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) >= 0);
        QCOMPARE(readFileTags(file).title, u"T"_s);
        alignas(inotify_event) char events[sizeof(inotify_event) + NAME_MAX + 1];
        const ssize_t size = ::read(watch, events, sizeof events);
        QVERIFY(size >= ssize_t(sizeof(inotify_event)));
        inotify_event first{};
        std::memcpy(&first, events, sizeof first);
        QCOMPARE(first.mask, quint32(IN_CLOSE_NOWRITE));
        ::close(watch);
    }

    // A picture's date taken, from the first source that has one, in the
    // local time written; its camera, with the maker unless the model says it.
    void pictureFields_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<PictureMetadata>("metadata");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("camera");
        const QString original = u"Exif.Photo.DateTimeOriginal"_s;
        const QString digitized = u"Exif.Photo.DateTimeDigitized"_s;
        const std::pair<QString, QString> canon[] = {{u"Exif.Image.Make"_s, u"Canon"_s},
                                                     {u"Exif.Image.Model"_s, u"Canon EOS R6"_s}};
        QTest::newRow("JPEG, taken, Canon")
            << u"a.jpg"_s
            << PictureMetadata{{original, u"2026:12:07 14:33:12"_s}, canon[0], canon[1]}
            << u"2026-12-07"_s << u"14.33.12"_s << u"Canon EOS R6"_s;
        QTest::newRow("taken before digitised")
            << u"b.JPG"_s
            << PictureMetadata{{digitized, u"2027:01:01 00:00:00"_s},
                               {original, u"2026:12:07 14:33:12"_s}}
            << u"2026-12-07"_s << u"14.33.12"_s << QString();
        QTest::newRow("PNG, digitised, SONY")
            << u"c.png"_s
            << PictureMetadata{{digitized, u"2026:12:07 09:05:00"_s},
                               {u"Exif.Image.Make"_s, u"SONY"_s},
                               {u"Exif.Image.Model"_s, u"ILCE-7M3"_s}}
            << u"2026-12-07"_s << u"09.05.00"_s << u"SONY ILCE-7M3"_s;
        QTest::newRow("TIFF, XMP with sub-seconds and zone")
            << u"d.tif"_s
            << PictureMetadata{{u"Xmp.exif.DateTimeOriginal"_s, u"2026-12-07T23:59:59.75+01:00"_s}}
            << u"2026-12-07"_s << u"23.59.59"_s << QString();
        QTest::newRow("WebP, XMP created, camera from XMP")
            << u"e.webp"_s
            << PictureMetadata{{u"Xmp.xmp.CreateDate"_s, u"2026-12-07T14:33:12"_s},
                               {u"Xmp.tiff.Make"_s, u"Google"_s},
                               {u"Xmp.tiff.Model"_s, u"Pixel 8"_s}}
            << u"2026-12-07"_s << u"14.33.12"_s << u"Google Pixel 8"_s;
        QTest::newRow("blank date: the next source")
            << u"f.jpg"_s
            << PictureMetadata{{original, u"0000:00:00 00:00:00"_s},
                               {u"Xmp.xmp.CreateDate"_s, u"2026-12-07"_s}}
            << u"2026-12-07"_s << QString() << QString();
        QTest::newRow("no date at all") << u"g.jpg"_s << PictureMetadata{canon[0], canon[1]}
                                        << QString() << QString() << u"Canon EOS R6"_s;
        QTest::newRow("no metadata")
            << u"h.png"_s << PictureMetadata{} << QString() << QString() << QString();
    }
    void pictureFields()
    {
        QFETCH(QString, file);
        QFETCH(PictureMetadata, metadata);
        QVERIFY(writePicture(path(file), pictureFormatOf(file), metadata));
        const FileTags read = readFileTags(path(file));
        QTEST(read.takenDate.toString(u"yyyy-MM-dd"), "date");
        QTEST(read.takenDate.isValid() ? read.takenTime.toString(u"HH.mm.ss") : QString(), "time");
        QTEST(read.camera, "camera");
        QVERIFY(!read.givenUp);
        QVERIFY(read.modified.isValid());
    }

    // Whatever is at a picture's name, an answer soon and no date: what is
    // no picture, or is damaged, is given up on and said.
    void unreadablePictures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("givenUp");
        QTest::newRow("damaged Exif block") << u"damaged.jpg"_s << true;
        QTest::newRow("truncated") << u"truncated.jpg"_s << true;
        QTest::newRow("a named pipe") << u"pipe.jpg"_s << true;
        QTest::newRow("a device") << u"zero.jpg"_s << true;
        QTest::newRow("sparse file of 20 GiB") << u"sparse.jpg"_s << true;
        QTest::newRow("a JPEG's first bytes, then 20 GiB of zeros") << u"zeros.jpg"_s << true;
        QTest::newRow("missing") << u"missing.jpg"_s << false;
    }
    void unreadablePictures()
    {
        QFETCH(QString, file);
        const QString full = path(file);
        const QByteArray name = QFile::encodeName(full);
        const PictureMetadata dated{{u"Exif.Photo.DateTimeOriginal"_s, u"2026:12:07 14:33:12"_s}};
        if (file.startsWith(u"damaged"_s) || file.startsWith(u"truncated"_s)) {
            QVERIFY(writePicture(full, PictureFormat::Jpeg, dated));
            QFile picture(full);
            QVERIFY(picture.open(QIODevice::ReadWrite));
            QByteArray bytes = picture.readAll();
            const qsizetype exif = bytes.indexOf("Exif");
            QVERIFY(exif > 0);
            if (file.startsWith(u"damaged"_s))
                bytes.replace(exif + 6, 40, QByteArray(40, char(0xEE))); // the TIFF header and IFD
            else
                bytes.truncate(exif + 20);
            QVERIFY(picture.resize(0) && picture.seek(0) && picture.write(bytes) == bytes.size());
        } else if (file.startsWith(u"pipe"_s)) {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (file.startsWith(u"zero"_s)) {
            QCOMPARE(::symlink("/dev/zero", name.constData()), 0);
        } else if (file.startsWith(u"sparse"_s) || file.startsWith(u"zeros"_s)) {
            QFile out(full);
            QVERIFY(out.open(QIODevice::WriteOnly));
            if (file.startsWith(u"zeros"_s))
                out.write(QByteArray::fromHex("ffd8ffe10010"));
            QVERIFY(out.resize(qint64(20) << 30));
        }
        const FileTags read = readFileTags(full);
        QVERIFY(!read.takenDate.isValid());
        QTEST(read.givenUp, "givenUp");
    }

    // Many files read on the thread pool come back in their order.
    void manyFilesInOrder()
    {
        QStringList paths;
        for (int i = 0; i < 40; ++i) {
            paths << path(u"many %1.mp3"_s.arg(i));
            QVERIFY(writeAudioFile(paths.last(), AudioFormat::Mp3,
                                   AudioTags{u"Song %1"_s.arg(i), {}, {}, 0, {}}));
        }
        paths.insert(7, path(u"missing.flac"_s));
        const std::vector<FileTags> tags = readTagsOfFiles(paths);
        QCOMPARE(tags.size(), std::size_t(41));
        QCOMPARE(tags[6].title, u"Song 6"_s);
        QVERIFY(tags[7].title.isEmpty());
        QCOMPARE(tags[40].title, u"Song 39"_s);
    }
};

QTEST_GUILESS_MAIN(TestTags)
#include "tst_tags.moc"
