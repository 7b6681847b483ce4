// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliApp.h"
#include "platform/SystemFolders.h"
#include "platform/TagLibTags.h"
#include "rename/RenameJournal.h"
#include "services/FolderLock.h"
#include "settings/Paths.h"
#include "support/AudioFiles.h"
#include "support/FaultyFileSystem.h"
#include "support/OtherRun.h"
#include "support/PictureFiles.h"
#include "support/TestEnvironment.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tervane;

using namespace Qt::StringLiterals;

// The system's services for the command line run in this process, on the
// file system given.
CliServices on(FileSystem& fileSystem)
{
    static WaitedTagReading tagReading;
    return {fileSystem, tagReading, systemSpecialFolders()};
}

// The real tervane-cli executable on temporary folders, and the same command
// line run in this process where faults must be injected.
class TestCli : public QObject {
    Q_OBJECT

    struct Result {
        int exitCode = -1;
        QString out;
        QString err;
        QByteArray rawOut = {};
    };

    struct Workbench {
        QTemporaryDir root;
        QString folder = root.filePath(u"music"_s);
        QString settings = root.filePath(u"Tervane.ini"_s);

        explicit Workbench(const QStringList& files, const QByteArray& config = {})
        {
            QDir().mkpath(folder);
            for (const QString& file : files)
                WriteFile(folder + u'/' + file, file.toUtf8());
            WriteFile(settings, "[Config]\n" + config);
        }
        // On an English system, where the shipped English file applies.
        Result run(QStringList arguments, const QByteArray& input = {},
                   const QString& locale = u"en_GB.UTF-8"_s, const QString& output = {}) const
        {
            QProcess process;
            if (output == u"|closed") // a pipe whose reader has gone
                process.setChildProcessModifier([] {
                    int ends[2];
                    if (::pipe(ends) == 0 && ::dup2(ends[1], STDOUT_FILENO) >= 0)
                        ::close(ends[0]);
                });
            else if (!output.isEmpty())
                process.setStandardOutputFile(output);
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(u"LC_ALL"_s, locale);
            process.setProcessEnvironment(environment);
            process.start(QStringLiteral(TERVANE_CLI), arguments);
            process.write(input);
            process.closeWriteChannel();
            if (!process.waitForFinished(60000))
                process.kill();
            const QByteArray out = process.readAllStandardOutput();
            // Ended by a signal: its number as a shell gives it.
            const int code = process.exitStatus() == QProcess::CrashExit ? 128 + process.exitCode()
                                                                         : process.exitCode();
            return {code, QString::fromUtf8(out), QString::fromUtf8(process.readAllStandardError()),
                    out};
        }
        // A command run under strace, which puts the faults into the system
        // calls named on the folder and the journal's files (not those of
        // the sanitizers, nor the output); whether the call swept (the first)
        // got its fault is said in injected.
        Result traced(const QStringList& calls, const QStringList& faults, const QString& command,
                      QStringList more, bool* injected) const
        {
            const QString log = root.filePath(u"strace.log"_s);
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(u"LC_ALL"_s, u"en_GB.UTF-8"_s);
            environment.insert(u"ASAN_OPTIONS"_s, u"detect_leaks=0"_s); // no leak check traced
            process.setProcessEnvironment(environment);
            QStringList arguments{u"-f"_s, u"-o"_s, log, u"-e"_s, u"trace="_s + calls.join(u',')};
            const QString journal = journalFile();
            for (const QString& path :
                 {folder, journals(), journal, journal + u".writing"_s, journal + u".prepared"_s,
                  journal + u".prepared.writing"_s, journal + u".previous"_s})
                arguments << u"-P"_s << path;
            for (const QString& fault : faults)
                arguments << u"-e"_s << u"inject="_s + fault;
            process.start(u"strace"_s,
                          arguments + QStringList{QStringLiteral(TERVANE_CLI), command, folder} +
                              more + QStringList{u"--settings"_s, settings});
            process.closeWriteChannel();
            if (!process.waitForFinished(60000))
                process.kill();
            const QString trace = QString::fromUtf8(ReadFile(log));
            *injected =
                trace.contains(u"killed by SIGKILL"_s) ||
                trace.contains(QRegularExpression(u"\\b"_s + faults.first().section(u':', 0, 0) +
                                                  u"\\(.*\\(INJECTED\\)"_s));
            return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                    QString::fromUtf8(process.readAllStandardOutput()),
                    QString::fromUtf8(process.readAllStandardError())};
        }
        // Runs a command on the folder with the bench's settings.
        Result cli(const QString& command, QStringList more = {},
                   const QByteArray& input = {}) const
        {
            return run(QStringList{command, folder} + more + QStringList{u"--settings"_s, settings},
                       input);
        }
        // The same in this process, on the given file system.
        int here(const QString& command, QStringList more, FileSystem& fileSystem) const
        {
            // Its output is of no interest here: the tests look at the folder.
            const std::unique_ptr<std::FILE, int (*)(std::FILE*)> nowhere(
                std::fopen("/dev/null", "w"), &std::fclose);
            return runCliCommand(QStringList{u"tervane-cli"_s, command, folder} + more +
                                     QStringList{u"--settings"_s, settings},
                                 on(fileSystem), {nowhere.get(), nowhere.get()});
        }
        // The command line in this process as an ordinary user, for files only
        // root could read.
        Result asOrdinaryUser(const QStringList& arguments) const
        {
            using Stream = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
            const Stream out(std::tmpfile(), &std::fclose);
            const Stream err(std::tmpfile(), &std::fclose);
            PosixFileSystem fileSystem;
            Result result;
            {
                const AsOrdinaryUser user;
                result.exitCode = runCliCommand(QStringList{u"tervane-cli"_s} + arguments,
                                                on(fileSystem), {out.get(), err.get()});
            }
            const auto text = [](std::FILE* stream) {
                std::rewind(stream);
                QFile file;
                return file.open(stream, QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                                              : QString();
            };
            result.out = text(out.get());
            result.err = text(err.get());
            return result;
        }
        // Where the journals are kept, and where they were kept before.
        static QString journals() { return journalFolderOf(systemSpecialFolders()); }
        QString earlierJournals() const { return root.filePath(u"journal"_s); }
        QString journalFile() const
        {
            PosixFileSystem fileSystem;
            return RenameJournal(journals(), fileSystem).fileFor(folder);
        }
        QStringList onDisk() const
        {
            QStringList found;
            for (const QString& name : QDir(folder).entryList(QDir::Files))
                found << name + u'=' + QString::fromUtf8(ReadFile(folder + u'/' + name));
            return found;
        }
    };

    // The pictures of namesFromPictures, with settings that leave the names
    // to the template.
    struct PictureBench : Workbench {
        PictureBench()
            : Workbench({}, "Numérotation=0\nExtensions=*.jpg\nSuppressionChiffresDébut=0\n"
                            "SuppressionCaractèresNonAlpha=0\n")
        {
            const std::pair<QString, QString> canon[] = {
                {u"Exif.Image.Make"_s, u"Canon"_s}, {u"Exif.Image.Model"_s, u"Canon EOS R6"_s}};
            const auto taken = [](const char* moment) {
                return std::pair(u"Exif.Photo.DateTimeOriginal"_s, QString::fromLatin1(moment));
            };
            const struct {
                const char* name;
                PictureMetadata metadata;
            } pictures[] = {
                {"IMG_0001.jpg", {taken("2026:12:07 15:00:00"), canon[0], canon[1]}},
                {"IMG_0002.jpg", {taken("2026:12:07 14:33:12"), canon[0], canon[1]}},
                {"same.jpg", {taken("2026:12:07 14:33:12"), canon[0], canon[1]}},
                {"PXL_1.jpg",
                 {taken("2026:12:07 14:30:00"),
                  {u"Exif.Image.Make"_s, u"Google"_s},
                  {u"Exif.Image.Model"_s, u"Pixel 8"_s}}},
                {"scan.jpg", {}},
            };
            for (const auto& picture : pictures)
                QVERIFY(writePicture(folder + u'/' + QString::fromLatin1(picture.name),
                                     PictureFormat::Jpeg, picture.metadata));
            QFile scan(folder + u"/scan.jpg"_s);
            QVERIFY(scan.open(QIODevice::ReadWrite) &&
                    scan.setFileTime(QDateTime(QDate(2020, 1, 2), QTime(12, 0)),
                                     QFileDevice::FileModificationTime));
        }
    };

    // The journals go to a state folder of the tests' own, for the command
    // lines run here and in processes of their own.
    QTemporaryDir m_state;

private slots:
    void initTestCase() { qputenv("XDG_STATE_HOME", m_state.path().toUtf8()); }

    void previewOfATrackList()
    {
        Workbench bench({u"01 track.mp3"_s, u"02 track.wma"_s, u"03 track.mp3"_s});
        const Result result =
            bench.cli(u"preview"_s, {}, "01 - Intro (3:45)\r\n02 - Song 4:01\r\n3 - Outro\r\n");
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, u"01 track.mp3\t01 - Intro.mp3\n02 track.wma\t02 - Song.wma\n"
                             "03 track.mp3\t03 - Outro.mp3\n"_s);
        QCOMPARE(bench.onDisk().first(), u"01 track.mp3=01 track.mp3"_s);
    }

    void previewShowsUnpairedRows()
    {
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s});
        const Result result = bench.cli(u"preview"_s, {u"--names"_s, u"-"_s}, "x\ny\nz\n");
        QCOMPARE(result.out, u"a.mp3\t01 - x.mp3\nb.mp3\t02 - y.mp3\n\t03 - z\n"_s);
        // Refused as rename would refuse it.
        QCOMPARE(result.exitCode, 3);
        QCOMPARE(result.err, u"tervane-cli: the two lists must pair up (files: 2, names: 3)\n"_s);
    }

    void renameThenUndo()
    {
        Workbench bench({u"1.mp3"_s, u"2.mp3"_s, u"10.mp3"_s});
        const Result renamed = bench.cli(
            u"rename"_s, {u"--template"_s, u"Piste [NUM]"_s, u"--width"_s, u"0"_s, u"--numeric"_s});
        QCOMPARE(renamed.exitCode, 0);
        QVERIFY(renamed.out.endsWith(u"3 files renamed.\n"_s));
        QCOMPARE(bench.onDisk(),
                 (QStringList{u"01 - Piste 1.mp3=1.mp3"_s, u"02 - Piste 2.mp3=2.mp3"_s,
                              u"03 - Piste 3.mp3=10.mp3"_s}));
        const Result undone = bench.cli(u"undo"_s);
        QCOMPARE(undone.exitCode, 0);
        QCOMPARE(bench.onDisk(),
                 (QStringList{u"1.mp3=1.mp3"_s, u"10.mp3=10.mp3"_s, u"2.mp3=2.mp3"_s}));
        QCOMPARE(bench.cli(u"undo"_s).exitCode, 3); // forgotten once undone
    }

    // A chain renames in its own order by default; row by row, it is a
    // conflict, refused without --yes.
    void chainsResolveUnlessInOrder()
    {
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s}, "Numérotation=0\n");
        const Result refused = bench.cli(u"rename"_s, {u"--in-order"_s}, "b\nz\n");
        QCOMPARE(refused.exitCode, 3);
        QCOMPARE(refused.err, u"tervane-cli: 1 new name is already taken in the folder: b.mp3 "
                              "(--yes renames all the same)\n"_s);
        QCOMPARE(bench.onDisk(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
        const Result preview = bench.cli(u"preview"_s, {}, "b\nz\n");
        QCOMPARE(preview.out, u"a.mp3\tb.mp3\t(chained)\nb.mp3\tz.mp3\t(chained)\n"_s);
        QCOMPARE(bench.cli(u"rename"_s, {}, "b\nz\n").exitCode, 0);
        QCOMPARE(bench.onDisk(), (QStringList{u"b.mp3=a.mp3"_s, u"z.mp3=b.mp3"_s}));
        // A swap is one exchange of names, and is undone exactly.
        const Result swapped = bench.cli(u"rename"_s, {}, "z\nb\n");
        QCOMPARE(swapped.exitCode, 0);
        QVERIFY(swapped.out.endsWith(u"2 files renamed.\n"_s));
        QCOMPARE(bench.onDisk(), (QStringList{u"b.mp3=b.mp3"_s, u"z.mp3=a.mp3"_s}));
        QCOMPARE(bench.cli(u"undo"_s).exitCode, 0);
        QCOMPARE(bench.onDisk(), (QStringList{u"b.mp3=a.mp3"_s, u"z.mp3=b.mp3"_s}));
    }

    // Names from the files' tags: the title, or the file's name without one.
    // A file given up on (c.mp3, 1 GiB of zeros) is said on the error stream.
    void namesFromTags_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out");
        QTest::addColumn<bool>("zeroFilled");
        const QString titles = u"a.mp3\tIntro.mp3\nb.flac\tACDC Live.flac\nc.mp3\tc.mp3\n"_s;
        QTest::newRow("--tags") << QStringList{u"--tags"_s} << titles << false;
        QTest::newRow("fields") << QStringList{u"--template"_s, u"[PISTE]. [ARTISTE] - [TITRE]"_s}
                                << u"a.mp3\t03. Ann - Intro.mp3\nb.flac\t. Bob - ACDC Live.flac\n"
                                   u"c.mp3\t.  - c.mp3\n"_s
                                << false;
        QTest::newRow("track filled to 3")
            << QStringList{u"--template"_s, u"[PISTE]-[TITRE]"_s, u"--width"_s, u"3"_s}
            << u"a.mp3\t003-Intro.mp3\nb.flac\t-ACDC Live.flac\nc.mp3\t-c.mp3\n"_s << false;
        QTest::newRow("a file of zeros") << QStringList{u"--tags"_s} << titles << true;
    }
    void namesFromTags()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, zeroFilled);
        Workbench bench({u"a.mp3"_s, u"b.flac"_s, u"c.mp3"_s},
                        "Numérotation=0\nExtensions=*.mp3;*.flac\nSuppressionChiffresDébut=0\n"
                        "SuppressionCaractèresNonAlpha=0\n");
        QVERIFY(writeAudioFile(bench.folder + u"/a.mp3"_s, AudioFormat::Mp3,
                               AudioTags{u"Intro"_s, u"Ann"_s, {}, 0, u"3/12"_s}));
        QVERIFY(writeAudioFile(bench.folder + u"/b.flac"_s, AudioFormat::Flac,
                               AudioTags{u"AC/DC Live"_s, u"Bob"_s, {}, 0, {}}));
        const QString c = bench.folder + u"/c.mp3"_s;
        QVERIFY(zeroFilled ? QFile::resize(c, 0) && QFile::resize(c, qint64(1) << 30)
                           : writeAudioFile(c, AudioFormat::Mp3));
        const Result preview = bench.cli(u"preview"_s, arguments);
        QCOMPARE(preview.exitCode, 0);
        QTEST(preview.out, "out");
        const QString warning = u"tervane-cli: tags of "_s + c +
                                u" given up on: neither sound nor tags found early enough "
                                u"(an empty or unfinished file?); its fields stay empty\n"_s;
        QCOMPARE(preview.err, zeroFilled ? warning : QString());
    }

    // Pictures of two cameras, named and ordered by when they were taken:
    // PXL 14:30:00 (Pixel), IMG_0002 and same 14:33:12, IMG_0001 15:00:00
    // (Canon), scan without a date, last written on 2020-01-02 at noon.
    void namesFromPictures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("in the order taken, across cameras")
            << QStringList{u"--sort"_s, u"taken"_s, u"--template"_s, u"Noël [NUM]"_s} << 0
            << u"PXL_1.jpg\tNoël 01.jpg\nIMG_0002.jpg\tNoël 02.jpg\nsame.jpg\tNoël 03.jpg\n"
               u"IMG_0001.jpg\tNoël 04.jpg\nscan.jpg\tNoël 05.jpg\t(no date)\n"_s;
        QTest::newRow("same second: doubled names, refused")
            << QStringList{u"--template"_s, u"[DATE] [HEURE]"_s} << 3
            << u"IMG_0001.jpg\t2026-12-07 15.00.00.jpg\nIMG_0002.jpg\t2026-12-07 14.33.12.jpg\n"
               u"PXL_1.jpg\t2026-12-07 14.30.00.jpg\nsame.jpg\t2026-12-07 14.33.12.jpg\n"
               u"scan.jpg\t\t(no date)\n"_s;
        QTest::newRow("the time written in place of none")
            << QStringList{u"--sort"_s,          u"taken"_s,
                           u"--template"_s,      u"[DATE] [HEURE] [APPAREIL]"_s,
                           u"--date-fallback"_s, u"mtime"_s}
            << 3
            << u"scan.jpg\t2020-01-02 12.00.00.jpg\nPXL_1.jpg\t2026-12-07 14.30.00 Google "
               u"Pixel 8.jpg\nIMG_0002.jpg\t2026-12-07 14.33.12 Canon EOS R6.jpg\nsame.jpg\t"
               u"2026-12-07 14.33.12 Canon EOS R6.jpg\nIMG_0001.jpg\t2026-12-07 15.00.00 Canon "
               u"EOS R6.jpg\n"_s;
        QTest::newRow("bad order") << QStringList{u"--sort"_s, u"size"_s} << 2 << QString();
        QTest::newRow("bad fallback")
            << QStringList{u"--date-fallback"_s, u"ctime"_s} << 2 << QString();
    }
    void namesFromPictures()
    {
        QFETCH(QStringList, arguments);
        const PictureBench bench;
        const Result preview = bench.cli(u"preview"_s, arguments);
        QTEST(preview.exitCode, "exitCode");
        QTEST(preview.out, "out");
    }

    // Renamed by date and time taken, numbered, then undone.
    void picturesRenamedThenUndone()
    {
        const PictureBench bench;
        const QStringList before = QDir(bench.folder).entryList(QDir::Files);
        const Result renamed = bench.cli(
            u"rename"_s, {u"--sort"_s, u"taken"_s, u"--template"_s, u"[DATE] [HEURE] [NUM]"_s});
        QCOMPARE(renamed.exitCode, 0);
        QCOMPARE(QDir(bench.folder).entryList(QDir::Files),
                 (QStringList{u"05.jpg"_s, u"2026-12-07 14.30.00 01.jpg"_s,
                              u"2026-12-07 14.33.12 02.jpg"_s, u"2026-12-07 14.33.12 03.jpg"_s,
                              u"2026-12-07 15.00.00 04.jpg"_s}));
        QCOMPARE(bench.cli(u"undo"_s).exitCode, 0);
        QCOMPARE(QDir(bench.folder).entryList(QDir::Files), before);
    }

    void emptyGeneratedNameIsRefused()
    {
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s, u"d.mp3"_s},
                        "SuppressionLignesVides=0\nNumérotation=0\n");
        const Result refused = bench.cli(u"rename"_s, {}, "x\n\ny\nz");
        QCOMPARE(refused.exitCode, 3);
        QVERIFY2(refused.err.contains(u"row 2 \".mp3\""_s), qPrintable(refused.err));
        QVERIFY(QFile::exists(bench.folder + u"/b.mp3"_s));
    }

    // Names no file can bear are refused before anything is renamed.
    void unusableNamesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("..") << QByteArray("..");
        QTest::newRow("256 bytes") << QByteArray(256, 'e');
    }
    void unusableNamesAreRefused()
    {
        QFETCH(QByteArray, name);
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s},
                        "Numérotation=0\nSuppressionCaractèresNonAlpha=0\n"
                        "NePasReprendreExtensionOriginale=-1\n");
        const Result refused = bench.cli(u"rename"_s, {}, "x\n" + name + '\n');
        QCOMPARE(refused.exitCode, 3);
        QVERIFY2(refused.err.contains(u"over 255 bytes): row 2 \""_s), qPrintable(refused.err));
        QCOMPARE(bench.onDisk(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
    }

    void failedStepIsRolledBack()
    {
        Workbench bench({u"1.mp3"_s, u"2.mp3"_s, u"3.mp3"_s});
        WriteFile(bench.folder + u"/03 - Outro.mp3"_s); // a file the listing leaves out
        const Result result = bench.cli(u"rename"_s, {u"--yes"_s, u"--pattern"_s, u"?.mp3"_s},
                                        "Intro\nSong\nOutro\n");
        QCOMPARE(result.exitCode, 1);
        // The window's message box, as one line.
        QVERIFY(
            result.err.contains(u"tervane-cli: An error (17) occurred while renaming the file "
                                "'3.mp3' to '03 - Outro.mp3': File exists. The preceding files"_s));
        QCOMPARE(bench.onDisk(), (QStringList{u"03 - Outro.mp3="_s, u"1.mp3=1.mp3"_s,
                                              u"2.mp3=2.mp3"_s, u"3.mp3=3.mp3"_s}));
        QCOMPARE(bench.cli(u"undo"_s).exitCode, 3); // nothing left to undo
    }

    void undoAfterAnInterruptedRun_data()
    {
        QTest::addColumn<bool>("exchange");
        QTest::addColumn<bool>("earlier");     // the journal where an earlier version kept it
        QTest::addColumn<bool>("renamedOver"); // a new renaming tried first
        QTest::newRow("a chain") << false << false << false;
        QTest::newRow("an exchange, then a rename") << true << false << false;
        QTest::newRow("a chain, journal at its earlier place") << false << true << false;
        QTest::newRow("a chain, a new renaming refused") << false << false << true;
    }
    void undoAfterAnInterruptedRun()
    {
        // A run killed between its two steps: the journal holds the whole
        // plan, the folder only the first step.
        QFETCH(bool, exchange);
        QFETCH(bool, earlier);
        QFETCH(bool, renamedOver);
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s});
        PosixFileSystem fileSystem;
        RenameJournal journal(earlier ? bench.earlierJournals() : bench.journals(), fileSystem);
        const QString a = bench.folder + u"/a.mp3"_s;
        const QString b = bench.folder + u"/b.mp3"_s;
        std::vector<RenameStep> plan{{u"b.mp3"_s, u"d.mp3"_s}, {u"a.mp3"_s, u"b.mp3"_s}};
        if (exchange) {
            plan = {
                {u"a.mp3"_s, u"b.mp3"_s, fileSystem.fileIdentity(a), fileSystem.fileIdentity(b)},
                {u"c.mp3"_s, u"d.mp3"_s}};
            QVERIFY(journal.prepare(bench.folder, plan));
            QVERIFY(fileSystem.exchangeNames(bench.folder, u"a.mp3"_s, u"b.mp3"_s).ok);
        } else {
            QVERIFY(journal.prepare(bench.folder, plan));
            QVERIFY(QFile::rename(b, bench.folder + u"/d.mp3"_s));
        }
        if (renamedOver) {
            // It would replace the only record of the names to give back.
            const Result refused = bench.cli(u"rename"_s, {u"--file-names"_s});
            QCOMPARE(refused.exitCode, 3);
            QVERIFY2(refused.err.contains(u"was interrupted: run \"tervane-cli undo\" first"_s),
                     qPrintable(refused.err));
            QCOMPARE(bench.cli(u"rename"_s, {u"--file-names"_s, u"-n"_s}).exitCode, 3);
            QCOMPARE(bench.cli(u"rename"_s, {u"--file-names"_s, u"-n"_s, u"--forget-interrupted"_s})
                         .exitCode,
                     0);
            QCOMPARE(bench.cli(u"undo"_s, {u"--forget-interrupted"_s}).exitCode, 2);
        }
        const Result undone = bench.cli(u"undo"_s);
        QCOMPARE(undone.exitCode, 0);
        QCOMPARE(bench.onDisk(),
                 (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s, u"c.mp3=c.mp3"_s}));
        QVERIFY(!QFile::exists(bench.journalFile()));
        QVERIFY(!QFileInfo::exists(bench.earlierJournals())); // moved, then gone
    }

    void damagedJournalIsRefusedAndKept_data()
    {
        QTest::addColumn<int>("cut");     // bytes cut from the end of the plan
        QTest::addColumn<int>("altered"); // offset of a byte changed, or -1
        QTest::newRow("cut after two of four steps") << 40 << -1;
        QTest::newRow("end marker cut") << 2 << -1;
        QTest::newRow("a name altered") << 0 << 60;
    }
    void damagedJournalIsRefusedAndKept()
    {
        QFETCH(int, cut);
        QFETCH(int, altered);
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s, u"d.mp3"_s});
        QCOMPARE(bench.cli(u"rename"_s, {}, "w\nx\ny\nz\n").exitCode, 0);
        QByteArray journal = ReadFile(bench.journalFile());
        const QByteArrayView endMarker("\0end\0", 5);
        journal.truncate(journal.indexOf(endMarker) + endMarker.size() - cut);
        if (altered >= 0)
            journal[altered] = journal[altered] == 'x' ? 'y' : 'x';
        WriteFile(bench.journalFile(), journal);
        const QStringList renamed = bench.onDisk();
        const Result refused = bench.cli(u"undo"_s);
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.err.contains(u"damaged"_s), qPrintable(refused.err));
        QCOMPARE(bench.onDisk(), renamed);
        QCOMPARE(ReadFile(bench.journalFile()), journal);
    }

    // Every cut and every bit flipped of a completed journal holding a
    // cycle, a chain and a swap: an undo either gives every file its name
    // back or says it could not, and removes the journal only in the first
    // case. A record altered before a sound one is never guessed past.
    void alteredJournalsAreNeverGuessedPast()
    {
        const QStringList files{u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s, u"k.mp3"_s,
                                u"l.mp3"_s, u"s.mp3"_s, u"t.mp3"_s};
        const QByteArray names("b\nc\na\nl\nm\nt\ns\n");
        PosixFileSystem real;
        const auto undoAltered = [&](const std::function<void(QByteArray&)>& alter) {
            Workbench bench(files, "Numérotation=0\n");
            const QStringList original = bench.onDisk();
            const QString namesFile = WriteFile(bench.root.filePath(u"names.txt"_s), names);
            if (bench.here(u"rename"_s, {u"--names"_s, namesFile}, real) != 0)
                return -1;
            QByteArray journal = ReadFile(bench.journalFile());
            alter(journal);
            WriteFile(bench.journalFile(), journal);
            const int exitCode = bench.here(u"undo"_s, {}, real);
            const bool allBack = bench.onDisk() == original;
            if ((exitCode == 0 || !QFile::exists(bench.journalFile())) && !allBack)
                return -2;
            return exitCode;
        };
        QByteArray sample;
        QCOMPARE(undoAltered([&sample](QByteArray& journal) { sample = journal; }), 0);
        const qsizetype records = sample.indexOf(QByteArrayView("\0end\0", 5)) + 5;
        QVERIFY(records > 5 && sample.size() > records + 20); // two records at least
        QMap<int, int> outcomes;                              // by exit code
        for (qsizetype at = records - 40; at < sample.size(); ++at) {
            ++outcomes[undoAltered([at](QByteArray& journal) { journal.truncate(at); })];
            ++outcomes[undoAltered([at](QByteArray& journal) { journal[at] ^= 1; })];
        }
        for (qsizetype at = 0; at < records - 40; at += 11)
            ++outcomes[undoAltered([at](QByteArray& journal) { journal[at] ^= 4; })];
        qInfo() << "exit codes of undo over cuts and flips:" << outcomes;
        QVERIFY(!outcomes.contains(-1));
        QCOMPARE(outcomes.value(-2), 0); // a wrong name said undone, or its journal gone
        QVERIFY(outcomes.value(2) > 0);  // altered records refused as damaged
    }

    // Every system call that changes a name or the journal, in a renaming,
    // its rollback and an undo, killed or failed in turn: no file is lost,
    // a command that says it went through left the names it says, and an
    // undo afterwards gives every file its first name back. A file system
    // without no-replace renames (links then unlinks) is swept too.
    void killedOrFailedAtEverySystemCall_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("fault");
        for (const QString& command : {u"rename"_s, u"rollback"_s, u"undo"_s, u"linking"_s})
            for (const QString& fault : {u"signal=KILL"_s, u"error=EIO"_s})
                QTest::newRow(qPrintable(command + u", "_s + fault)) << command << fault;
    }
    void killedOrFailedAtEverySystemCall()
    {
        QFETCH(QString, command);
        QFETCH(QString, fault);
        if (QStandardPaths::findExecutable(u"strace"_s).isEmpty())
            QSKIP("strace is not installed");
        // A cycle, a chain and a swap; for the rollback, a last step that
        // fails on a folder in its way.
        QStringList files{u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s, u"k.mp3"_s,
                          u"l.mp3"_s, u"s.mp3"_s, u"t.mp3"_s};
        QByteArray names("b\nc\na\nl\nm\nt\ns\n");
        if (command == u"rollback") {
            files << u"z.mp3"_s;
            names += "y\n";
        }
        const bool linking = command == u"linking";
        QStringList calls{u"renameat2"_s, u"rename"_s, u"unlink"_s, u"unlinkat"_s,
                          u"fdatasync"_s, u"fsync"_s,  u"write"_s};
        if (linking)
            calls = {u"linkat"_s, u"unlinkat"_s};
        int runs = 0;
        for (const QString& call : calls) {
            for (int when = 1;; ++when) {
                Workbench bench(files, "Numérotation=0\n");
                const QStringList original = bench.onDisk();
                const QString namesFile = WriteFile(bench.root.filePath(u"names.txt"_s), names);
                const QStringList rename{u"--names"_s, namesFile, u"--yes"_s};
                if (command == u"rollback")
                    QVERIFY(QDir(bench.folder).mkdir(u"y.mp3"_s));
                if (command == u"undo")
                    QCOMPARE(bench.cli(u"rename"_s, rename).exitCode, 0);
                const QStringList before = bench.onDisk();
                QStringList faults{call + u':' + fault + u":when="_s + QString::number(when)};
                if (linking)
                    faults << u"renameat2:error=EINVAL"_s;
                bool injected = false;
                const Result run =
                    bench.traced(calls + QStringList{u"renameat2"_s}, faults,
                                 command == u"undo"_s ? command : u"rename"_s,
                                 command == u"undo"_s ? QStringList() : rename, &injected);
                const auto contents = [](QStringList onDisk) {
                    for (QString& file : onDisk)
                        file = file.section(u'=', 1);
                    onDisk.sort();
                    return onDisk;
                };
                // Nothing lost (a kill between a link and an unlink leaves a
                // file under two names, until the undo).
                const QStringList kept = contents(bench.onDisk());
                for (const QString& content : contents(original))
                    QVERIFY2(kept.contains(content), qPrintable(content));
                if (run.exitCode == 0 && command == u"undo")
                    QCOMPARE(bench.onDisk(), original);
                if (run.exitCode == 0 && command != u"undo")
                    QVERIFY(bench.onDisk() != before);
                const Result undone = bench.cli(u"undo"_s);
                QVERIFY2(undone.exitCode == 0 || undone.exitCode == 3, qPrintable(undone.err));
                QCOMPARE(bench.onDisk(), original);
                ++runs;
                if (!injected)
                    break;
            }
        }
        qInfo() << runs << "runs," << fault << "injected at each" << calls.join(u", "_s);
    }

    // A journal that cannot be written, at any point, stops the command
    // there: nothing is renamed, or undone, beyond its record, and what was
    // done is undone once the disk has room again. A command that went to
    // its end but could not record it fails too.
    void journalThatCannotBeWrittenStopsTheCommand_data()
    {
        using Call = FaultyFileSystem::OwnFileCall;
        QTest::addColumn<QString>("command"); // the one run with the fault
        QTest::addColumn<int>("call");        // the journal's call refused, or -1: a full disk
        QTest::addColumn<int>("nth");         // which of those calls (from 1)
        QTest::addColumn<int>("exitCode");
        QTest::newRow("rename, before moving a file on") << u"rename"_s << -1 << 0 << 1;
        QTest::newRow("undo, twice") << u"undo"_s << -1 << 0 << 1;
        QTest::newRow("journal's place held by a folder") << u"place"_s << -1 << 0 << 2;
        QTest::newRow("journals' folder's place held by a file") << u"folder"_s << -1 << 0 << 2;
        QTest::newRow("the plan not written whole and synced")
            << u"again"_s << int(Call::WriteWhole) << 1 << 2;
        QTest::newRow("the folder of the journals not synced")
            << u"again"_s << int(Call::SyncFolder) << 1 << 2;
        QTest::newRow("the plan not put in place, the journal moved aside")
            << u"again"_s << int(Call::Replace) << 2 << 2;
        QTest::newRow("a progress record refused once: rolled back")
            << u"rename"_s << int(Call::Append) << 1 << 1;
        QTest::newRow("a progress record not synced: rolled back")
            << u"rename"_s << int(Call::Sync) << 1 << 1;
        QTest::newRow("the completion record refused")
            << u"rename"_s << int(Call::Append) << 2 << 1;
        QTest::newRow("the journal not removed after the undo")
            << u"undo"_s << int(Call::Remove) << 1 << 1;
    }
    void journalThatCannotBeWrittenStopsTheCommand()
    {
        QFETCH(QString, command);
        QFETCH(int, call);
        QFETCH(int, nth);
        QFETCH(int, exitCode);
        // Three files trading names in a cycle, through a temporary name.
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}, "Numérotation=0\n");
        const QStringList original = bench.onDisk();
        const QString names = WriteFile(bench.root.filePath(u"names.txt"_s), "b\nc\na\n");
        const QStringList rename{u"--names"_s, names};
        PosixFileSystem real;
        FaultyFileSystem full(real);
        if (call < 0) {
            full.failRename(0, FaultyFileSystem::Fault::DiskFull);
        } else {
            full.exchanges = false;
            full.refuses = [call, nth, count = 0](FaultyFileSystem::OwnFileCall made,
                                                  const QString&) mutable {
                return int(made) == call && ++count == nth;
            };
        }
        if (command == u"folder") {
            // No journal can be there: nothing to undo, and nothing renamed.
            const QString aside = bench.journals() + u".aside"_s;
            QDir().mkpath(bench.journals());
            QVERIFY(QDir().rename(bench.journals(), aside));
            WriteFile(bench.journals());
            QCOMPARE(bench.here(u"undo"_s, {}, real), 3);
            QCOMPARE(bench.here(u"rename"_s, rename, real), exitCode);
            QVERIFY(QFile::remove(bench.journals()) && QDir().rename(aside, bench.journals()));
            QCOMPARE(bench.onDisk(), original);
            return;
        }
        if (command == u"place") {
            QVERIFY(QDir().mkpath(bench.journalFile()));
            QCOMPARE(bench.here(u"rename"_s, rename, real), exitCode);
            QCOMPARE(bench.onDisk(), original);
            return;
        }
        if (command == u"again") {
            // A second renaming that cannot be put on record: nothing of it
            // is done, and the first stays undoable.
            QCOMPARE(bench.here(u"rename"_s, rename, real), 0);
            const QStringList renamed = bench.onDisk();
            QCOMPARE(bench.here(u"rename"_s, rename, full), exitCode);
            QCOMPARE(bench.onDisk(), renamed);
        } else if (command == u"rename") {
            QCOMPARE(bench.here(u"rename"_s, rename, full), exitCode);
            // Transient: whatever the run did not record, it walked back.
            if (call == int(FaultyFileSystem::OwnFileCall::Append) && nth == 1)
                QCOMPARE(bench.onDisk(), original);
        } else {
            QCOMPARE(bench.here(u"rename"_s, rename, real), 0);
            // Twice: the second finds the journal as the first left it.
            QCOMPARE(bench.here(u"undo"_s, {}, full), exitCode);
            if (call < 0)
                QCOMPARE(bench.here(u"undo"_s, {}, full), exitCode);
            else
                QCOMPARE(bench.onDisk(), original);
        }
        FaultyFileSystem::diskFreed();
        QCOMPARE(bench.here(u"undo"_s, {}, real), bench.onDisk() == original ? 3 : 0);
        QCOMPARE(bench.onDisk(), original);
    }

    // A folder named through a link that is pointed elsewhere while the
    // command runs: the folder found at the start is the one renamed.
    void folderThroughALinkChangedMeanwhile()
    {
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s}, "Numérotation=0\n");
        const QString other = bench.root.filePath(u"other"_s);
        const QString link = bench.root.filePath(u"link"_s);
        QVERIFY(QDir().mkpath(other));
        WriteFile(other + u"/a.mp3"_s, "other");
        QVERIFY(QFile::link(bench.folder, link));
        PosixFileSystem real;
        FaultyFileSystem retargeted(real);
        retargeted.whenAsked = [&] {
            if (QFileInfo(link).symLinkTarget() == bench.folder)
                QVERIFY(QFile::remove(link) && QFile::link(other, link));
        };
        const QString names = WriteFile(bench.root.filePath(u"names.txt"_s), "x\ny\n");
        QCOMPARE(runCliCommand({u"tervane-cli"_s, u"rename"_s, link, u"--names"_s, names,
                                u"--settings"_s, bench.settings},
                               on(retargeted), {stdout, stdout}),
                 0);
        QCOMPARE(bench.onDisk(), (QStringList{u"x.mp3=a.mp3"_s, u"y.mp3=b.mp3"_s}));
        QCOMPARE(ReadFile(other + u"/a.mp3"_s), QByteArray("other"));
        QCOMPARE(bench.here(u"undo"_s, {}, real), 0);
        QCOMPARE(bench.onDisk(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
    }

    // What took a renamed file's place is not the file: it keeps its name,
    // and an undo that could not restore every file does not say it did. A
    // folder put in the place of the one renamed is not undone at all.
    void undoOfFilesGoneOrReplaced_data()
    {
        QTest::addColumn<QString>("replaced"); // the renamed file's name, now held by...
        QTest::addColumn<QString>("by");       // nothing, a folder, another file; or the folder
        QTest::addColumn<int>("exitCode");
        QTest::newRow("deleted, its chain undone") << u"b.mp3"_s << u""_s << 1;
        QTest::newRow("a folder in its place") << u"c.mp3"_s << u"folder"_s << 1;
        QTest::newRow("moved away, another file in its place") << u"c.mp3"_s << u"file"_s << 1;
        QTest::newRow("the folder moved away, another in its place") << u""_s << u"folder"_s << 3;
    }
    void undoOfFilesGoneOrReplaced()
    {
        QFETCH(QString, replaced);
        QFETCH(QString, by);
        QFETCH(int, exitCode);
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s}, "Numérotation=0\n");
        QCOMPARE(bench.cli(u"rename"_s, {}, "b\nc\n").exitCode, 0); // b -> c, then a -> b
        const QString aside = bench.root.filePath(u"aside"_s);
        const QString moved = replaced.isEmpty() ? bench.folder : bench.folder + u'/' + replaced;
        QVERIFY(QDir().rename(moved, aside));
        if (by == u"folder")
            QVERIFY(QDir().mkdir(moved));
        // Newcomers bear the new names.
        const QStringList newcomers =
            replaced.isEmpty() ? QStringList{u"b.mp3"_s, u"c.mp3"_s} : QStringList{replaced};
        if (by == u"file" || replaced.isEmpty())
            for (const QString& name : newcomers)
                WriteFile(bench.folder + u'/' + name, "newcomer");
        const QStringList before = bench.onDisk();
        const Result undone = bench.cli(u"undo"_s);
        QCOMPARE(undone.exitCode, exitCode);
        QVERIFY(!undone.out.contains(u"undone"_s));
        if (replaced.isEmpty()) {
            QCOMPARE(bench.onDisk(), before);
            QVERIFY2(undone.err.contains(u"moved or replaced"_s), qPrintable(undone.err));
            // Its own folder back in place, the journal undoes it.
            QVERIFY(QDir(bench.folder).removeRecursively() && QDir().rename(aside, bench.folder));
            QCOMPARE(bench.cli(u"undo"_s).exitCode, 0);
            QCOMPARE(bench.onDisk(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
            return;
        }
        QCOMPARE(QFileInfo(bench.folder + u'/' + replaced).isDir(), by == u"folder");
        if (by == u"file")
            QCOMPARE(bench.onDisk(), (QStringList{u"a.mp3=a.mp3"_s, u"c.mp3=newcomer"_s}));
        QCOMPARE(bench.cli(u"undo"_s).exitCode, 3); // nothing left to undo, nothing renamed
    }

    // Runs killed while a file waits under a temporary name are undone: a
    // cycle, with its progress record then altered on disk (no record: the
    // reading stops before it, and the folder tells the rest); a rename that
    // only changes letter case on a file system that ignores it (its middle
    // name is a step of the journal). A rename killed between the link and
    // the unlink that make it where the file system cannot rename without
    // replacing loses its extra name.
    void killedRunIsUndone_data()
    {
        QTest::addColumn<QByteArray>("names");
        QTest::addColumn<int>("killedAt"); // the rename the process dies before
        QTest::addColumn<bool>("ignoringCase");
        QTest::addColumn<bool>("linked"); // that rename's new name linked already
        QTest::newRow("cycle, record altered") << QByteArray("b\nc\na\n") << 3 << false << false;
        QTest::newRow("letter case only") << QByteArray("A\nd\ne\n") << 1 << true << false;
        QTest::newRow("between link and unlink") << QByteArray("x\ny\nz\n") << 1 << false << true;
    }
    void killedRunIsUndone()
    {
        QFETCH(QByteArray, names);
        QFETCH(int, killedAt);
        QFETCH(bool, ignoringCase);
        QFETCH(bool, linked);
        struct IgnoringCase : FaultyFileSystem {
            using FaultyFileSystem::FaultyFileSystem;
            bool ignoring = false;
            quint64 fileIdentityBefore(const QString& path, qint64 time) const override
            {
                const QFileInfo file(path);
                for (const QString& name : QDir(file.path()).entryList(QDir::Files))
                    if (ignoring && name.compare(file.fileName(), Qt::CaseInsensitive) == 0)
                        return FaultyFileSystem::fileIdentityBefore(file.path() + u'/' + name,
                                                                    time);
                return FaultyFileSystem::fileIdentityBefore(path, time);
            }
            quint64 fileIdentity(const QString& path) const override
            {
                return fileIdentityBefore(path, 0);
            }
        };
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}, "Numérotation=0\n");
        const QStringList original = bench.onDisk();
        PosixFileSystem real;
        IgnoringCase killed(real);
        killed.ignoring = ignoringCase;
        killed.failRename(killedAt, FaultyFileSystem::Fault::Killed);
        const QString namesFile = WriteFile(bench.root.filePath(u"names.txt"_s), names);
        QVERIFY_THROWS_EXCEPTION(
            FaultyFileSystem::Killed,
            bench.here(u"rename"_s, {u"--names"_s, namesFile, u"--yes"_s}, killed));
        if (linked)
            QCOMPARE(::link(QFile::encodeName(bench.folder + u"/b.mp3"_s).constData(),
                            QFile::encodeName(bench.folder + u"/y.mp3"_s).constData()),
                     0);
        else
            QCOMPARE(QDir(bench.folder).entryList({u"tervane-*.tmp"_s}).size(), 1);
        if (!ignoringCase && !linked) {
            QByteArray journal = ReadFile(bench.journalFile());
            const qsizetype record = journal.indexOf(QByteArray("end\0d3 ", 7));
            QVERIFY(record > 0);
            journal[record + 4] = 'e'; // it would say the run ended
            journal[record + 5] = '1'; // after its first step
            WriteFile(bench.journalFile(), journal);
        }
        QCOMPARE(bench.here(u"undo"_s, {}, real), 0);
        QCOMPARE(bench.onDisk(), original);
    }

    void unreadableJournalSaysWhy_data()
    {
        QTest::addColumn<bool>("folderRefused");
        QTest::newRow("the journal refused") << false;
        QTest::newRow("the journals' folder refused") << true;
    }
    void unreadableJournalSaysWhy()
    {
        QFETCH(bool, folderRefused);
        Workbench bench({u"a.mp3"_s}, "Numérotation=0\n");
        QCOMPARE(bench.cli(u"rename"_s, {}, "x\n").exitCode, 0);
        const auto passable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QFile::setPermissions(bench.root.path(), passable | QFile::ExeOther);
        QFile::setPermissions(m_state.path(),
                              folderRefused ? passable : passable | QFile::ExeOther);
        QFile::setPermissions(bench.journalFile(), {});
        PosixFileSystem real;
        const AsOrdinaryUser nobody;
        std::FILE* err = std::tmpfile();
        QCOMPARE(runCliCommand(
                     {u"tervane-cli"_s, u"undo"_s, bench.folder, u"--settings"_s, bench.settings},
                     on(real), {stdout, err}),
                 2);
        std::rewind(err);
        char said[512] = {};
        QVERIFY(std::fread(said, 1, sizeof said - 1, err) > 0);
        std::fclose(err);
        QFile::setPermissions(m_state.path(), passable);
        QVERIFY2(QString::fromUtf8(said).contains(u"ne peut pas être lu ("_s), said);
    }

    // Journals written before exchanges existed, two fields a step.
    void journalOfTheSecondVersionIsUndone()
    {
        Workbench bench({u"x.mp3"_s});
        const QByteArrayList fields{
            canonicalFolder(bench.folder).toUtf8(), "completed", "1", "a.mp3", "x.mp3", ""};
        QByteArray journal = "tervane journal 2\n" + fields.join('\0');
        journal += QCryptographicHash::hash(journal, QCryptographicHash::Md5).toHex() + '\0';
        journal += QByteArray("end") + '\0';
        QDir().mkpath(QFileInfo(bench.journalFile()).path());
        WriteFile(bench.journalFile(), journal);
        QCOMPARE(bench.cli(u"undo"_s).exitCode, 0);
        QCOMPARE(bench.onDisk(), QStringList{u"a.mp3=x.mp3"_s});
    }

    // Renamings, undos and redos one after the other, then what the last
    // command said and left: the history is walked latest first, and a
    // damaged entry stops the walk there, kept.
    void historyIsWalkedInOrder_data()
    {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("said"); // a pattern of the output, or of the error
        const QStringList original{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s};
        const QStringList first{u"c.mp3=a.mp3"_s, u"d.mp3=b.mp3"_s};
        const QStringList second{u"e.mp3=a.mp3"_s, u"f.mp3=b.mp3"_s};
        const QStringList three{u"rename c d"_s, u"rename e f"_s, u"rename g h"_s};
        QTest::newRow("history, latest first")
            << QStringList{u"rename c d"_s, u"rename e f"_s, u"history"_s} << QByteArray() << 0
            << second
            << u"^  1  \\S+ \\S+  command line  2 files  c\\.mp3 -> e\\.mp3, d\\.mp3 -> f\\.mp3\n"
               "  2  .*  a\\.mp3 -> c\\.mp3, b\\.mp3 -> d\\.mp3\n$"_s;
        QTest::newRow("history of a swap, file by file")
            << QStringList{u"rename b a"_s, u"history"_s} << QByteArray() << 0
            << QStringList{u"a.mp3=b.mp3"_s, u"b.mp3=a.mp3"_s}
            << u"2 files  a\\.mp3 -> b\\.mp3, b\\.mp3 -> a\\.mp3\n$"_s;
        QTest::newRow("history with its steps")
            << QStringList{u"rename c d"_s, u"history -v"_s} << QByteArray() << 0 << first
            << u"files  a.*\n    a\\.mp3 -> c\\.mp3\n    b\\.mp3 -> d\\.mp3\n$"_s;
        QTest::newRow("history raw")
            << QStringList{u"rename c d"_s, u"history -z"_s} << QByteArray() << 0 << first
            << u"^1\\x00done\\x00\\d{4}-\\d\\d-\\d\\dT[\\d:]+Z\\x00command-line\\x002\\x002\\x00"
               "a\\.mp3\\x00c\\.mp3\\x00b\\.mp3\\x00d\\.mp3\\x00$"_s;
        QTest::newRow("undos in order")
            << QStringList{u"rename c d"_s, u"rename e f"_s, u"undo"_s, u"undo"_s} << QByteArray()
            << 0 << original << u"^Renaming undone.\n$"_s;
        QTest::newRow("undo --to") << three + QStringList{u"undo --to 2"_s} << QByteArray() << 0
                                   << first << u"^2 renamings undone.\n$"_s;
        QTest::newRow("undo --to beyond the history")
            << QStringList{u"rename c d"_s, u"undo --to 2"_s} << QByteArray() << 3 << first
            << u"does not go back to renaming 2"_s;
        QTest::newRow("history bounded by the settings")
            << three + QStringList{u"undo --to 3"_s} << QByteArray("HistoriqueRenommages=2\n") << 3
            << QStringList{u"g.mp3=a.mp3"_s, u"h.mp3=b.mp3"_s}
            << u"does not go back to renaming 3"_s;
        QTest::newRow("redo") << QStringList{u"rename c d"_s, u"rename e f"_s, u"undo"_s, u"redo"_s}
                              << QByteArray() << 0 << second << u"^Renaming redone.\n$"_s;
        QTest::newRow("redos after undo --to, the oldest first")
            << three + QStringList{u"undo --to 3"_s, u"redo"_s, u"redo"_s} << QByteArray() << 0
            << second << u"^Renaming redone.\n$"_s;
        QTest::newRow("redo undone again")
            << QStringList{u"rename c d"_s, u"undo"_s, u"redo"_s, u"undo"_s} << QByteArray() << 0
            << original << u"^Renaming undone.\n$"_s;
        QTest::newRow("no redo after a renaming")
            << QStringList{u"rename c d"_s, u"undo"_s, u"rename e f"_s, u"redo"_s} << QByteArray()
            << 3 << QStringList{u"e.mp3=a.mp3"_s, u"f.mp3=b.mp3"_s} << u"no undo to take back"_s;
        QTest::newRow("no redo of a file moved since")
            << QStringList{u"rename c d"_s, u"undo"_s, u"move a.mp3 z.mp3"_s, u"redo"_s}
            << QByteArray() << 3 << QStringList{u"b.mp3=b.mp3"_s, u"z.mp3=a.mp3"_s}
            << u"no longer where the undo left them"_s;
        QTest::newRow("journal of the fifth version, one entry")
            << QStringList{u"fifth"_s, u"history"_s} << QByteArray() << 0
            << QStringList{u"b.mp3=b.mp3"_s, u"x.mp3=a.mp3"_s}
            << u"^  1  \\S+ \\S+  1 file  a\\.mp3 -> x\\.mp3\n$"_s;
        QTest::newRow("journal of the fifth version undone")
            << QStringList{u"fifth"_s, u"undo"_s, u"undo"_s} << QByteArray() << 3 << original
            << u"no renaming to undo"_s;
        QTest::newRow("damaged middle entry listed")
            << three + QStringList{u"damage"_s, u"history"_s} << QByteArray() << 0
            << QStringList{u"g.mp3=a.mp3"_s, u"h.mp3=b.mp3"_s}
            << u"\n  2  damaged journal: no undo goes past it\n$"_s;
        QTest::newRow("damaged middle entry stops the walk, kept")
            << three + QStringList{u"damage"_s, u"undo --to 3"_s, u"kept"_s} << QByteArray() << 2
            << second << u"damaged"_s;
    }
    void historyIsWalkedInOrder()
    {
        QFETCH(QStringList, commands);
        QFETCH(QByteArray, config);
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s}, "Numérotation=0\n" + config);
        Result result;
        QByteArray damaged;
        for (const QString& command : commands) {
            QStringList words = command.split(u' ');
            const QString verb = words.takeFirst();
            if (verb == u"rename") {
                result = bench.cli(verb, {}, (words.join(u'\n') + u'\n').toUtf8());
            } else if (verb == u"move") {
                QVERIFY(
                    QFile::rename(bench.folder + u'/' + words[0], bench.folder + u'/' + words[1]));
            } else if (verb == u"fifth") {
                // As the previous version left it: a.mp3 renamed x.mp3.
                QVERIFY(QFile::rename(bench.folder + u"/a.mp3"_s, bench.folder + u"/x.mp3"_s));
                QByteArray journal = "tervane journal 5\n" +
                                     QByteArrayList{canonicalFolder(bench.folder).toUtf8(),
                                                    "0 0 " + QByteArray::number(timeNow()),
                                                    "completed",
                                                    "1",
                                                    "a.mp3",
                                                    "x.mp3",
                                                    ""}
                                         .join('\0') +
                                     '\0';
                journal +=
                    QCryptographicHash::hash(journal, QCryptographicHash::Md5).toHex() + '\0';
                journal += QByteArray("end") + '\0';
                QDir().mkpath(QFileInfo(bench.journalFile()).path());
                WriteFile(bench.journalFile(), journal);
            } else if (verb == u"damage") {
                // The newest older entry, a name in its plan altered.
                const QString newest = bench.journalFile() + u".2"_s;
                damaged = ReadFile(newest);
                damaged[damaged.indexOf("e.mp3")] = 'x';
                WriteFile(newest, damaged);
            } else if (verb == u"kept") {
                QCOMPARE(ReadFile(bench.journalFile()), damaged);
            } else {
                result = bench.cli(verb, words);
            }
        }
        QTEST(result.exitCode, "exitCode");
        QTEST(bench.onDisk(), "left");
        QFETCH(QString, said);
        QVERIFY2(QRegularExpression(said).match(result.out + result.err).hasMatch(),
                 qPrintable(result.out + result.err));
    }

    void undoReportsWhatItCannotRestoreAndKeepsIt()
    {
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s}, "Numérotation=0\n");
        QCOMPARE(bench.cli(u"rename"_s, {}, "x\ny\n").exitCode, 0);
        WriteFile(bench.folder + u"/a.mp3"_s, "intruder"); // the old name, taken since
        const Result partly = bench.cli(u"undo"_s);
        QCOMPARE(partly.exitCode, 1);
        QVERIFY(partly.err.contains(u"'x.mp3'"_s));
        QCOMPARE(bench.onDisk(),
                 (QStringList{u"a.mp3=intruder"_s, u"b.mp3=b.mp3"_s, u"x.mp3=a.mp3"_s}));
        QFile::remove(bench.folder + u"/a.mp3"_s);
        QCOMPARE(bench.cli(u"undo"_s).exitCode, 0);
        QCOMPARE(bench.onDisk(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
    }

    void rollbackKeepsExactlyWhatItCouldNotRestore()
    {
        Workbench bench({u"1.mp3"_s, u"2.mp3"_s, u"3.mp3"_s, u"4.mp3"_s, u"5.mp3"_s},
                        "Numérotation=0\n");
        PosixFileSystem real;
        FaultyFileSystem faulty(real);
        faulty.failRename(4, FaultyFileSystem::Fault::AccessRefused); // row 5
        faulty.failRename(5, FaultyFileSystem::Fault::AccessRefused); // d back to 4
        faulty.failRename(7, FaultyFileSystem::Fault::AccessRefused); // b back to 2
        const QString names = WriteFile(bench.root.filePath(u"names.txt"_s), "a\nb\nc\nd\ne\n");
        QCOMPARE(bench.here(u"rename"_s, {u"--names"_s, names}, faulty), 1);
        QCOMPARE(bench.onDisk(), (QStringList{u"1.mp3=1.mp3"_s, u"3.mp3=3.mp3"_s, u"5.mp3=5.mp3"_s,
                                              u"b.mp3=2.mp3"_s, u"d.mp3=4.mp3"_s}));
        const auto journal = RenameJournal(bench.journals(), real).read(bench.folder);
        QCOMPARE(journal.entry.steps.size(), std::size_t(2));
        QCOMPARE(journal.entry.steps[1].to, u"d.mp3"_s);
        QCOMPARE(bench.here(u"undo"_s, {}, real), 0);
        QCOMPARE(bench.onDisk(), (QStringList{u"1.mp3=1.mp3"_s, u"2.mp3=2.mp3"_s, u"3.mp3=3.mp3"_s,
                                              u"4.mp3=4.mp3"_s, u"5.mp3=5.mp3"_s}));
    }

    // A run that renames nothing, or is rolled back in full, leaves the
    // previous renaming undoable.
    void previousJournalKeptWhenNothingStaysRenamed_data()
    {
        QTest::addColumn<QString>("taken"); // a hidden file's name, where the run fails
        QTest::newRow("first step fails") << u".p.mp3"_s;
        QTest::newRow("rolled back") << u".r.mp3"_s;
    }
    void previousJournalKeptWhenNothingStaysRenamed()
    {
        QFETCH(QString, taken);
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}, "Numérotation=0\n");
        QCOMPARE(bench.cli(u"rename"_s, {}, "x\ny\nz\n").exitCode, 0);
        WriteFile(bench.folder + u'/' + taken);
        QCOMPARE(bench.cli(u"rename"_s, {}, ".p\nq\n.r\n").exitCode, 3); // a file holds a name
        QCOMPARE(bench.cli(u"rename"_s, {u"--yes"_s}, ".p\nq\n.r\n").exitCode, 1);
        QCOMPARE(bench.cli(u"undo"_s).exitCode, 0);
        QCOMPARE(bench.onDisk(),
                 (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s, u"c.mp3=c.mp3"_s}));
    }

    // A run holding the folder from a process with a runtime folder and a
    // home of its own refuses every other until it is killed; a lock file
    // left where earlier versions kept them refuses nothing.
    // Names from a pipe nobody writes to yet keep the command waiting, not
    // the folder locked: other runs go on meanwhile.
    void namesAreReadBeforeTheFolderIsLocked()
    {
        Workbench bench({u"a.mp3"_s}, "Numérotation=0\n");
        QProcess renaming;
        renaming.start(QStringLiteral(TERVANE_CLI),
                       {u"rename"_s, bench.folder, u"--settings"_s, bench.settings});
        QVERIFY(renaming.waitForStarted());
        const QString waitChannel = u"/proc/%1/wchan"_s.arg(renaming.processId());
        QTRY_VERIFY(ReadFile(waitChannel).contains("pipe_read"));
        QCOMPARE(OtherRun(bench.folder).state(), u"locked"_s);
        renaming.write("b\n");
        renaming.closeWriteChannel();
        QVERIFY(renaming.waitForFinished(60000));
        QCOMPARE(renaming.exitCode(), 0);
        QCOMPARE(QDir(bench.folder).entryList(QDir::Files), QStringList{u"b.mp3"_s});
    }

    void secondRunOnAFolderIsRefused_data()
    {
        QTest::addColumn<bool>("held");
        QTest::newRow("another run holds the folder") << true;
        QTest::newRow("a lock file left over") << false;
    }
    void secondRunOnAFolderIsRefused()
    {
        QFETCH(bool, held);
        Workbench bench({u"a.mp3"_s});
        QCOMPARE(bench.cli(u"rename"_s, {}, "x\n").exitCode, 0);
        const QString leftover = leftoverLockFile(bench.folder);
        if (held) {
            OtherRun firstRun(bench.folder);
            QCOMPARE(firstRun.state(), u"locked"_s);
            for (const QString& command : {u"rename"_s, u"undo"_s}) {
                const Result refused = bench.cli(command, {}, "y\n");
                QCOMPARE(refused.exitCode, 3);
                QVERIFY2(refused.err.contains(bench.folder), qPrintable(refused.err));
                QVERIFY2(refused.err.contains(u"another process"_s), qPrintable(refused.err));
            }
            QCOMPARE(bench.onDisk(), QStringList{u"01 - x.mp3=a.mp3"_s});
        } else {
            WriteFile(leftover);
        }
        QCOMPARE(bench.cli(u"undo"_s).exitCode, 0);
        QFile::remove(leftover);
    }

    // A renaming and an undo started together, also from two environments
    // that keep things of their own in different places: whichever runs
    // first, one undo afterwards leaves the first names.
    void concurrentRunsLoseNothing_data()
    {
        QTest::addColumn<bool>("ownRuntime"); // the undo with its own runtime folder and home
        QTest::newRow("one environment") << false;
        QTest::newRow("two environments") << true;
    }
    void concurrentRunsLoseNothing()
    {
        QFETCH(bool, ownRuntime);
        QStringList files;
        for (int i = 0; i < 400; ++i)
            files << u"t%1.mp3"_s.arg(i);
        Workbench bench(files);
        const QStringList original = bench.onDisk();
        const QStringList tail{u"--settings"_s, bench.settings};
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (ownRuntime) {
            environment.insert(u"XDG_RUNTIME_DIR"_s, home.path());
            environment.insert(u"HOME"_s, home.path());
        }
        for (int round = 0; round < 4; ++round) {
            QProcess rename;
            QProcess undo;
            undo.setProcessEnvironment(environment);
            rename.start(QStringLiteral(TERVANE_CLI),
                         QStringList{u"rename"_s, bench.folder, u"--template"_s, u"r [NUM]"_s} +
                             tail);
            undo.start(QStringLiteral(TERVANE_CLI), QStringList{u"undo"_s, bench.folder} + tail);
            QVERIFY(rename.waitForFinished(60000) && undo.waitForFinished(60000));
            QVERIFY(rename.exitCode() == 0 || rename.exitCode() == 3);
            QVERIFY(undo.exitCode() == 0 || undo.exitCode() == 3);
            const int last = bench.cli(u"undo"_s).exitCode;
            QVERIFY(last == 0 || last == 3);
            QCOMPARE(bench.onDisk(), original);
        }
    }

    void killedUndoIsResumed()
    {
        QStringList files;
        for (int i = 0; i < 4000; ++i)
            files << u"t%1.mp3"_s.arg(i);
        Workbench bench(files);
        const QStringList original = bench.onDisk();
        QCOMPARE(bench.cli(u"rename"_s, {u"--template"_s, u"new [NUM]"_s}).exitCode, 0);
        QProcess undo;
        undo.start(QStringLiteral(TERVANE_CLI),
                   {u"undo"_s, bench.folder, u"--settings"_s, bench.settings});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bench.folder + u"/t3999.mp3"_s), 30000);
        undo.kill();
        undo.waitForFinished();
        const Result resumed = bench.cli(u"undo"_s);
        QCOMPARE(resumed.exitCode, 0);
        QCOMPARE(bench.onDisk(), original);
    }

    // A renaming and its undos killed at random steps, with files moved away
    // by another program between steps, in this process: whatever happens,
    // undoing until nothing is left gives every file still in the folder its
    // first name back, and no content is lost.
    void killedRunsAreUndoneToTheFirstNames()
    {
        int kills = 0;
        int plans = 0;
        int shuffles = 0;
        const int seeds = qEnvironmentVariableIntValue("TERVANE_SAFETY_PLANS") > 0
                              ? qEnvironmentVariableIntValue("TERVANE_SAFETY_PLANS")
                              : 300;
        for (int seed : SeedsToRun(seeds, {8134})) {
            QRandomGenerator random{quint32(seed)};
            QStringList files;
            const int count = 3 + int(random.bounded(25));
            for (int i = 0; i < count; ++i)
                files << u"f%1.mp3"_s.arg(i, 2, 10, QChar(u'0'));
            Workbench bench(files, "Numérotation=0\n");
            const QString vanished = bench.root.filePath(u"vanished"_s);
            QDir().mkpath(vanished);
            const QStringList original = bench.onDisk();
            PosixFileSystem real;
            const auto faulty = [&](int renames) {
                auto fileSystem = std::make_unique<FaultyFileSystem>(real);
                fileSystem->vanishedFolder = vanished;
                if (random.bounded(3) > 0)
                    fileSystem->failRename(int(random.bounded(quint32(renames))),
                                           random.bounded(2)
                                               ? FaultyFileSystem::Fault::Killed
                                               : FaultyFileSystem::Fault::KilledAfter);
                if (random.bounded(6) == 0)
                    fileSystem->failRename(int(random.bounded(quint32(renames))),
                                           FaultyFileSystem::Fault::SourceVanished);
                return fileSystem;
            };
            const auto runKillable = [&](const QString& command, const QStringList& more) {
                auto fileSystem = faulty(2 * count);
                try {
                    return bench.here(command, more, *fileSystem);
                } catch (const FaultyFileSystem::Killed&) {
                    ++kills;
                    return -1;
                }
            };
            // Fresh names and chains in row order; a shift that must run from
            // its end; names swapped in pairs; a shuffle of the names (cycles
            // of every length); or a shuffle with a name held by a folder,
            // which no order resolves.
            const auto existing = [](int i) { return u"f%1"_s.arg(i, 2, 10, QChar(u'0')); };
            QStringList names;
            const int shape = int(random.bounded(5));
            if (shape == 0) {
                names << u"fresh"_s;
                for (int i = 0; i + 1 < count; ++i)
                    names << (random.bounded(2) ? existing(i) : u"n%1"_s.arg(i));
            } else if (shape == 1) {
                for (int i = 1; i < count; ++i)
                    names << existing(i);
                names << u"fresh"_s;
            } else if (shape == 4) {
                for (int i = 0; i < count; ++i)
                    names << existing((i ^ 1) < count ? (i ^ 1) : i);
                ++shuffles;
            } else {
                for (int i = 0; i < count; ++i)
                    names << existing(i);
                for (int i = count - 1; i > 0; --i)
                    names.swapItemsAt(i, int(random.bounded(i + 1)));
                if (shape == 3) {
                    names[int(random.bounded(count))] = u"held"_s;
                    QDir(bench.folder).mkdir(u"held.mp3"_s);
                }
                ++shuffles;
            }
            const QString namesFile =
                WriteFile(bench.root.filePath(u"names.txt"_s), names.join(u'\n').toUtf8());
            runKillable(u"rename"_s, {u"--names"_s, namesFile, u"--yes"_s});
            ++plans;
            int code = 0;
            for (int attempt = 0; attempt < 8 && code != 3; ++attempt)
                code = runKillable(u"undo"_s, {});
            PosixFileSystem calm;
            code = bench.here(u"undo"_s, {}, calm);
            QVERIFY2(code == 3 || code == 1, qPrintable(u"seed %1: %2"_s.arg(seed).arg(code)));
            QStringList now = bench.onDisk();
            QStringList moved;
            for (const QString& name : QDir(vanished).entryList(QDir::Files))
                moved << QString::fromUtf8(ReadFile(vanished + u'/' + name));
            // Nothing lost, and every file still here has its first name.
            for (const QString& file : original) {
                const QString content = file.section(u'=', 1);
                QVERIFY2(now.contains(file) || moved.contains(content),
                         qPrintable(u"seed %1: %2"_s.arg(seed).arg(file)));
            }
            QCOMPARE(now.size() + moved.size(), original.size());
            // Only a file moved away can leave an entry to undo.
            QCOMPARE(code == 1, !moved.isEmpty() && QFile::exists(bench.journalFile()));
        }
        qInfo("%d plans (%d shuffled or swapped), %d kills, nothing lost", plans, shuffles, kills);
    }

    // The real executable killed at random moments, its journal writes
    // refused from a random size on: after undoing until nothing is left,
    // every file has its first name again. TERVANE_KILL_PLANS sets the number
    // of plans (up to 2,000 files each) for a longer run.
    void killedProcessesLoseNothing()
    {
        const int plans = qEnvironmentVariableIntValue("TERVANE_KILL_PLANS") > 0
                              ? qEnvironmentVariableIntValue("TERVANE_KILL_PLANS")
                              : 12;
        int kills = 0;
        int faults = 0;
        for (int seed : SeedsToRun(plans, {})) {
            QRandomGenerator random{quint32(seed)};
            const int count = 2 + int(random.bounded(random.bounded(4) == 0 ? 2000 : 60));
            QStringList files;
            QStringList names;
            for (int i = 0; i < count; ++i) {
                files << u"f%1.mp3"_s.arg(i, 4, 10, QChar(u'0'));
                names << (random.bounded(5) == 0 ? u"n%1"_s.arg(i) : files.last().chopped(4));
            }
            for (int i = count - 1; i > 0; --i) // cycles of every length, and chains
                names.swapItemsAt(i, int(random.bounded(i + 1)));
            Workbench bench(files, "Numérotation=0\n");
            const QStringList original = bench.onDisk();
            const QString namesFile =
                WriteFile(bench.root.filePath(u"names.txt"_s), names.join(u'\n').toUtf8());
            const auto run = [&](const QStringList& arguments, bool mayDie) {
                QProcess process;
                if (mayDie && random.bounded(3) == 0) {
                    ++faults;
                    const rlim_t limit = random.bounded(quint32(count) * 80);
                    process.setChildProcessModifier([limit] {
                        std::signal(SIGXFSZ, SIG_IGN);
                        const rlimit size{limit, limit};
                        ::setrlimit(RLIMIT_FSIZE, &size);
                    });
                }
                process.start(QStringLiteral(TERVANE_CLI),
                              arguments + QStringList{u"--settings"_s, bench.settings});
                // A random moment to die at, not a wait for anything.
                if (mayDie &&
                    !process.waitForFinished(int(random.bounded(quint32(count) / 4 + 30)))) {
                    process.kill();
                    ++kills;
                }
                process.waitForFinished(120000);
                return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
            };
            run({u"rename"_s, bench.folder, u"--names"_s, namesFile, u"--yes"_s}, true);
            for (int attempt = 0; attempt < 2; ++attempt)
                run({u"undo"_s, bench.folder}, true);
            const int last = run({u"undo"_s, bench.folder}, false);
            QVERIFY2(last == 0 || last == 3, qPrintable(u"seed %1: %2"_s.arg(seed).arg(last)));
            QVERIFY2(bench.onDisk() == original, qPrintable(u"seed %1"_s.arg(seed)));
        }
        qInfo("%d plans, %d kills, %d journal size limits, nothing lost", plans, kills, faults);
    }

    void controlCharactersInNames()
    {
        Workbench bench({u"a\rb.mp3"_s, u"t\tx.mp3"_s, u"e\x1b[31m.mp3"_s, u"z\\.mp3"_s},
                        "Numérotation=0\n");
        const Result preview = bench.cli(u"preview"_s, {u"--file-names"_s});
        QCOMPARE(preview.exitCode, 0);
        QCOMPARE(preview.out, u"a\\rb.mp3\tab.mp3\ne\\x1b[31m.mp3\te[31m.mp3\n"
                              "t\\tx.mp3\ttx.mp3\nz\\\\.mp3\tz.mp3\n"_s);
        const Result raw = bench.cli(u"preview"_s, {u"--file-names"_s, u"-z"_s});
        QCOMPARE(raw.out.split(QChar(0)).mid(0, 4),
                 (QStringList{u"a\rb.mp3"_s, u"ab.mp3"_s, u"e\x1b[31m.mp3"_s, u"e[31m.mp3"_s}));
        QCOMPARE(bench.cli(u"rename"_s, {u"--file-names"_s}).exitCode, 0);
        QCOMPARE(bench.onDisk(), (QStringList{u"ab.mp3=a\rb.mp3"_s, u"e[31m.mp3=e\x1b[31m.mp3"_s,
                                              u"tx.mp3=t\tx.mp3"_s, u"z.mp3=z\\.mp3"_s}));
    }

    // Names from old disks, in Windows-1252 bytes: listed with their bytes
    // written out, raw with -z, renamed to UTF-8 and given their bytes back.
    void namesThatAreNotUtf8()
    {
        Workbench bench({}, "Numérotation=0\n");
        const QByteArray folder = QFile::encodeName(bench.folder);
        ::close(::open((folder + "/caf\xe9.mp3").constData(), O_CREAT | O_WRONLY, 0644));
        const Result preview = bench.cli(u"preview"_s, {u"--file-names"_s});
        QCOMPARE(preview.out, u"caf\\xe9.mp3\tcaf\u00e9.mp3\n"_s);
        QCOMPARE(bench.cli(u"preview"_s, {u"--file-names"_s, u"-z"_s}).rawOut,
                 QByteArray("caf\xe9.mp3\0caf\xc3\xa9.mp3\0", 19));
        QCOMPARE(bench.cli(u"rename"_s, {u"--file-names"_s}).exitCode, 0);
        QCOMPARE(QDir(bench.folder).entryList(QDir::Files), QStringList{u"caf\u00e9.mp3"_s});
        QCOMPARE(bench.cli(u"undo"_s).exitCode, 0);
        struct stat info {};
        QCOMPARE(::stat((folder + "/caf\xe9.mp3").constData(), &info), 0);
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option")
            << QStringList{u"preview"_s, u"@"_s, u"--bogus"_s} << 2 << u"bogus"_s;
        QTest::newRow("unknown command") << QStringList{u"shuffle"_s, u"@"_s} << 2 << u"shuffle"_s;
        QTest::newRow("missing folder")
            << QStringList{u"preview"_s, u"/no/such/folder"_s} << 2 << u"no such folder"_s;
        QTest::newRow("missing settings")
            << QStringList{u"preview"_s, u"@"_s, u"--settings"_s, u"/no/such.ini"_s} << 2
            << u"no such settings file"_s;
        QTest::newRow("unreadable names file")
            << QStringList{u"preview"_s, u"@"_s, u"--names"_s, u"/no/names.txt"_s} << 2
            << u"An error occurred while processing the file"_s;
        QTest::newRow("names from an endless device")
            << QStringList{u"preview"_s, u"@"_s, u"--names"_s, u"/dev/zero"_s} << 2
            << u"too large"_s;
        QTest::newRow("two sources")
            << QStringList{u"preview"_s, u"@"_s, u"--file-names"_s, u"--template"_s, u"x"_s} << 2
            << u"one source"_s;
        QTest::newRow("bad width")
            << QStringList{u"preview"_s, u"@"_s, u"--template"_s, u"x"_s, u"--width"_s, u"1"_s} << 2
            << u"--width"_s;
        QTest::newRow("settings from a device")
            << QStringList{u"preview"_s, u"@"_s, u"--settings"_s, u"/dev/zero"_s} << 2
            << u"cannot be read"_s;
        QTest::newRow("settings from a pipe")
            << QStringList{u"preview"_s, u"@"_s, u"--settings"_s, u"PIPE"_s} << 2
            << u"cannot be read"_s;
        QTest::newRow("settings an ordinary user cannot read")
            << QStringList{u"preview"_s, u"@"_s, u"--file-names"_s, u"--settings"_s, u"LOCKED"_s}
            << 2 << u"Accès refusé"_s; // the settings unread, the built-in French
        QTest::newRow("--to without undo") << QStringList{u"preview"_s, u"@"_s, u"--to"_s, u"2"_s}
                                           << 2 << u"--to goes with undo"_s;
        QTest::newRow("--to 0") << QStringList{u"undo"_s, u"@"_s, u"--to"_s, u"0"_s} << 2
                                << u"--to takes a number"_s;
        QTest::newRow("history with a source")
            << QStringList{u"history"_s, u"@"_s, u"--file-names"_s} << 2
            << u"history takes no source"_s;
        QTest::newRow("not a series folder")
            << QStringList{u"preview"_s, u"@"_s, u"--episode"_s, u"x"_s} << 3 << u"series"_s;
        QTest::newRow("expression too complex to decide on a name")
            << QStringList{u"rename"_s,     u"@"_s,
                           u"--template"_s, QString(40, u'a') + u"!XYZ"_s,
                           u"--replace"_s,  u"(a+)+!Q|XYZ"_s,
                           u"done"_s,       u"--regex"_s}
            << 2 << u"too complex to decide on the name \"%1!XYZ\"\n"_s.arg(QString(40, u'a'));
    }
    void badInput()
    {
        QFETCH(QStringList, arguments);
        Workbench bench({u"a.mp3"_s});
        arguments.replaceInStrings(u"@"_s, bench.folder);
        const QString pipe = bench.root.filePath(u"pipe"_s);
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        arguments.replaceInStrings(u"PIPE"_s, pipe);
        if (!arguments.contains(u"--settings"_s))
            arguments << u"--settings"_s << bench.settings;
        // Root reads any file: a locked one is tried as an ordinary user.
        const bool locked = arguments.contains(u"LOCKED"_s);
        if (locked) {
            QVERIFY(QFile::setPermissions(bench.root.path(), QFileDevice::Permissions(0x7755)));
            QVERIFY(QFile::setPermissions(bench.settings, QFileDevice::WriteOwner));
            arguments.replaceInStrings(u"LOCKED"_s, bench.settings);
        }
        const Result result = locked ? bench.asOrdinaryUser(arguments) : bench.run(arguments);
        QTEST(result.exitCode, "exitCode");
        QFETCH(QString, message);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(bench.onDisk(), QStringList{u"a.mp3=a.mp3"_s});
    }

    // What scripts and users expect of a command line beside mmv and rename.
    void habitsOfACommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after the command and its folder
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QStringList>("onDisk");
        const QStringList untouched{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s};
        QTest::newRow("dry run") << QStringList{u"rename"_s, u"-n"_s} << QByteArray("x\ny\n") << 0
                                 << u"a.mp3\tx.mp3\nb.mp3\ty.mp3\n"_s << QString() << untouched;
        QTest::newRow("names in UTF-16 with a byte order mark")
            << QStringList{u"preview"_s}
            << Bytes("\xff\xfe"
                     "x\0\n\0y\0\n\0")
            << 0 << u"a.mp3\tx.mp3\nb.mp3\ty.mp3\n"_s << QString() << untouched;
        QTest::newRow("dry run refuses as rename does")
            << QStringList{u"rename"_s, u"-n"_s, u"--in-order"_s} << QByteArray("b\nz\n") << 3
            << u"a.mp3\tb.mp3\t(chained)\t(taken)\nb.mp3\tz.mp3\t(chained)\n"_s
            << u"tervane-cli: 1 new name is already taken in the folder: b.mp3 (--yes renames "
               "all the same)\n"_s
            << untouched;
        QTest::newRow("a hidden name already taken")
            << QStringList{u"rename"_s} << QByteArray(".h\ny\n") << 3
            << u"a.mp3\t.h.mp3\nb.mp3\ty.mp3\n"_s
            << u"tervane-cli: 1 new name is already taken in the folder: .h.mp3 (--yes renames "
               "all the same)\n"_s
            << untouched;
        QTest::newRow("verbose, one file")
            << QStringList{u"rename"_s, u"--verbose"_s} << QByteArray("x\nb\n") << 0
            << u"a.mp3\tx.mp3\nb.mp3\tb.mp3\na.mp3 -> x.mp3\n"
               "1 file renamed.\n"_s
            << QString() << QStringList{u"b.mp3=b.mp3"_s, u"x.mp3=a.mp3"_s};
        QTest::newRow("verbose exchange")
            << QStringList{u"rename"_s, u"-v"_s} << QByteArray("b\na\n") << 0
            << u"a.mp3\tb.mp3\t(chained)\nb.mp3\ta.mp3\t(chained)\na.mp3 <-> b.mp3\n"
               "2 files renamed.\n"_s
            << QString() << QStringList{u"a.mp3=b.mp3"_s, u"b.mp3=a.mp3"_s};
        QTest::newRow("names from a pipe given by name")
            << QStringList{u"preview"_s, u"--names"_s, u"/dev/stdin"_s} << QByteArray("x\ny\n") << 0
            << u"a.mp3\tx.mp3\nb.mp3\ty.mp3\n"_s << QString() << untouched;
        QTest::newRow("no file matches the pattern")
            << QStringList{u"preview"_s, u"--pattern"_s, u"*.flac"_s} << QByteArray("x\n") << 3
            << QString() << u"tervane-cli: no file in @ matches \"*.flac\"; see --pattern\n"_s
            << untouched;
        QTest::newRow("output to a full device")
            << QStringList{u"rename"_s, u">/dev/full"_s} << QByteArray("x\ny\n") << 1 << QString()
            << u"tervane-cli: the output cannot be written: %1\n"_s.arg(
                   QString::fromLocal8Bit(std::strerror(ENOSPC)))
            << QStringList{u"x.mp3=a.mp3"_s, u"y.mp3=b.mp3"_s};
        QTest::newRow("find and replace, whatever the case")
            << QStringList{u"preview"_s, u"--replace"_s, u"A"_s, u"Z"_s} << QByteArray("xa\nyb\n")
            << 0 << u"a.mp3\txZ.mp3\nb.mp3\tyb.mp3\n"_s << QString() << untouched;
        QTest::newRow("find and replace by an expression")
            << QStringList{u"preview"_s, u"--regex"_s, u"--replace"_s, u"^(.)(.)$"_s, u"\\2-\\1"_s}
            << QByteArray("xa\nyb\n") << 0 << u"a.mp3\ta-x.mp3\nb.mp3\tb-y.mp3\n"_s << QString()
            << untouched;
        QTest::newRow("an expression that is not valid")
            << QStringList{u"rename"_s, u"--replace"_s, u"(x"_s, u"y"_s, u"--regex"_s}
            << QByteArray("xa\nyb\n") << 2 << QString()
            << u"tervane-cli: the regular expression \"(x\" is not valid: %1\n"_s.arg(
                   QRegularExpression(u"(x"_s).errorString())
            << untouched;
        QTest::newRow("version") << QStringList{u"-V"_s} << QByteArray() << 0
                                 << u"tervane-cli 2.4.0\n"_s << QString() << untouched;
        QTest::newRow("-- ends the options")
            << QStringList{u"preview"_s, u"--"_s, u"--help"_s} << QByteArray("x\ny\n") << 2
            << QString() << u"tervane-cli: expected a command and a folder; see --help\n"_s
            << untouched;
        QTest::newRow("quiet: errors only")
            << QStringList{u"rename"_s, u"-q"_s} << QByteArray("x\ny\n") << 0 << QString()
            << QString() << QStringList{u"x.mp3=a.mp3"_s, u"y.mp3=b.mp3"_s};
        QTest::newRow("quiet goes with rename, undo and redo")
            << QStringList{u"preview"_s, u"--quiet"_s} << QByteArray("x\ny\n") << 2 << QString()
            << u"tervane-cli: --quiet goes with rename, undo and redo, without --verbose\n"_s
            << untouched;
        QTest::newRow("names ended by NUL")
            << QStringList{u"rename"_s, u"-0"_s} << QByteArray("x\0y\nz\0", 7) << 0
            << u"a.mp3\0x.mp3\0b.mp3\0yz.mp3\0"_s << u"2 files renamed.\n"_s
            << QStringList{u"x.mp3=a.mp3"_s, u"yz.mp3=b.mp3"_s};
        QTest::newRow("a reader gone: quiet, as by SIGPIPE")
            << QStringList{u"rename"_s, u"|closed"_s} << QByteArray("x\ny\n") << 128 + SIGPIPE
            << QString() << QString() << QStringList{u"x.mp3=a.mp3"_s, u"y.mp3=b.mp3"_s};
        QTest::newRow("an unknown option, in the program's words")
            << QStringList{u"preview"_s, u"--bogus"_s} << QByteArray() << 2 << QString()
            << u"tervane-cli: unknown option --bogus; see --help\n"_s << untouched;
        QTest::newRow("a value missing")
            << QStringList{u"preview"_s, u"--pattern"_s} << QByteArray() << 2 << QString()
            << u"tervane-cli: --pattern needs a value\n"_s << untouched;
        QTest::newRow("a name held by a folder: no --yes offered")
            << QStringList{u"rename"_s, u"--yes"_s, u"+folder:y.mp3"_s} << QByteArray("x\ny\n") << 3
            << u"a.mp3\tx.mp3\nb.mp3\ty.mp3\t(taken)\n"_s
            << u"tervane-cli: 1 new name is a folder's, which no renaming replaces: y.mp3/\n"_s
            << untouched;
    }
    void habitsOfACommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s}, "Numérotation=0\n");
        WriteFile(bench.folder + u"/.h.mp3"_s); // hidden: never listed
        if (arguments.size() > 1 || arguments.first() != u"-V")
            arguments.insert(1, bench.folder);
        for (const QString& argument : arguments)
            if (argument.startsWith(u"+folder:"_s))
                QDir().mkpath(bench.folder + u'/' + argument.mid(8));
        arguments.removeIf([](const QString& argument) { return argument.startsWith(u'+'); });
        const qsizetype afterFolder = std::min<qsizetype>(2, arguments.size());
        arguments.insert(afterFolder, bench.settings);
        arguments.insert(afterFolder, u"--settings"_s);
        const QString output = arguments.contains(u">/dev/full"_s) ? u"/dev/full"_s
                               : arguments.contains(u"|closed"_s)  ? u"|closed"_s
                                                                   : QString();
        arguments.removeAll(u">/dev/full"_s);
        arguments.removeAll(u"|closed"_s);
        const Result result = bench.run(arguments, input, u"en_GB.UTF-8"_s, output);
        QTEST(result.exitCode, "exitCode");
        QTEST(result.out, "out");
        QFETCH(QString, err);
        QCOMPARE(result.err, err.replace(u"@"_s, bench.folder));
        QTEST(bench.onDisk(), "onDisk");
    }

    // New names held in the folder by what the renaming leaves in place
    // (files outside the pattern, folders) are marked; names that chains and
    // swaps free are not, unless the renaming runs row by row.
    void takenNamesAreMarked_data()
    {
        QTest::addColumn<QStringList>("entries"); // a trailing "/" makes a folder
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("names");
        QTest::addColumn<QString>("out");
        const QStringList pattern{u"--pattern"_s, u"a*;b*;c*"_s};
        QTest::newRow("a file outside the pattern")
            << QStringList{u"a.mp3"_s, u"q.mp3"_s} << pattern << QByteArray("q")
            << u"a.mp3\tq.mp3\t(taken)\n"_s;
        QTest::newRow("a folder") << QStringList{u"a.mp3"_s, u"q.mp3/"_s} << pattern
                                  << QByteArray("q") << u"a.mp3\tq.mp3\t(taken)\n"_s;
        QTest::newRow("another Unicode form")
            << QStringList{u"a.mp3"_s, u"Zoe\u0301.mp3"_s} << pattern << QByteArray("Zo\xc3\xa9")
            << u"a.mp3\tZo\u00e9.mp3\t(taken)\n"_s;
        QTest::newRow("a chain and a swap, freed")
            << QStringList{u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s} << pattern << QByteArray("b\nc\na")
            << u"a.mp3\tb.mp3\t(chained)\nb.mp3\tc.mp3\t(chained)\n"
               "c.mp3\ta.mp3\t(chained)\n"_s;
        QTest::newRow("a chain row by row")
            << QStringList{u"a.mp3"_s, u"b.mp3"_s} << pattern + QStringList{u"--in-order"_s}
            << QByteArray("b\nz")
            << u"a.mp3\tb.mp3\t(chained)\t(taken)\nb.mp3\tz.mp3\t(chained)\n"_s;
        QTest::newRow("a chain beside a name held in place")
            << QStringList{u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s, u"q.mp3"_s} << pattern
            << QByteArray("b\nz\nq")
            << u"a.mp3\tb.mp3\t(chained)\t(taken)\nb.mp3\tz.mp3\t(chained)\n"
               "c.mp3\tq.mp3\t(taken)\n"_s;
    }
    void takenNamesAreMarked()
    {
        QFETCH(QStringList, entries);
        Workbench bench({}, "Numérotation=0\n");
        for (const QString& entry : entries) {
            if (entry.endsWith(u'/'))
                QDir().mkpath(bench.folder + u'/' + entry);
            else
                WriteFile(bench.folder + u'/' + entry);
        }
        QFETCH(QStringList, options);
        QFETCH(QByteArray, names);
        const Result result = bench.cli(u"preview"_s, options, names);
        QCOMPARE(result.err, QString());
        QTEST(result.out, "out");
    }

    void templateWidthMustFitTheFiles()
    {
        QStringList files;
        for (int i = 0; i < 100; ++i)
            files << u"t%1.mp3"_s.arg(i);
        Workbench bench(files);
        const Result result =
            bench.cli(u"rename"_s, {u"--template"_s, u"x[NUM]"_s, u"--width"_s, u"2"_s});
        QCOMPARE(result.exitCode, 3);
        QVERIFY(result.err.contains(u"This padding width does not suit"_s));
        QVERIFY(QFile::exists(bench.folder + u"/t0.mp3"_s));
    }

    void seriesFolder()
    {
        QTemporaryDir root;
        const QString folder = root.filePath(u"Ma série S02"_s);
        QDir().mkpath(folder);
        WriteFile(folder + u"/e1.mp3"_s);
        WriteFile(folder + u"/e2.mp3"_s);
        WriteFile(root.filePath(u"s.ini"_s), "[Config]\nNumérotation=0\n");
        QProcess process;
        process.start(QStringLiteral(TERVANE_CLI), {u"preview"_s, folder, u"--episode"_s, u"se"_s,
                                                    u"--settings"_s, root.filePath(u"s.ini"_s)});
        QVERIFY(process.waitForFinished());
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
                 u"e1.mp3\tMa série S02E01.mp3\ne2.mp3\tMa série S02E02.mp3\n"_s);
    }

    // The window's program answers the same information options without a
    // display, its help in the language its window would show.
    void windowProgramAnswersWithoutADisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QString>("expected"); // in the output
        QTest::newRow("-V") << u"-V"_s << QByteArray() << u"tervane 2.4.0\n"_s;
        QTest::newRow("help in the stored English")
            << u"--help"_s << QByteArray("Langue=English\n")
            << u"  FOLDER              The folder to open; by default the last one.\n"_s;
        QTest::newRow("help in the stored German")
            << u"--help"_s << QByteArray("Langue=Deutsch\n")
            << u"  -V, -v, --version   Zeigt die Versionsinformationen an.\n"_s;
    }
    void windowProgramAnswersWithoutADisplay()
    {
        QFETCH(QString, option);
        QFETCH(QByteArray, config);
        // A portable copy of the program, with its settings and languages.
        const QTemporaryDir dir;
        const QString program = dir.filePath(u"tervane"_s);
        QVERIFY(QFile::copy(QStringLiteral(TERVANE_WINDOW), program));
        for (const QString& language : {u"English.lng"_s, u"Deutsch.lng"_s})
            QVERIFY(QFile::copy(QStringLiteral(TERVANE_LANGUAGES) + u'/' + language,
                                dir.filePath(language)));
        WriteFile(dir.filePath(u"Tervane.ini"_s), "[Config]\n" + config);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& display : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
            environment.remove(display);
        environment.insert(u"LC_ALL"_s, u"fr_FR.UTF-8"_s); // the stored language wins
        process.setProcessEnvironment(environment);
        process.start(program, {option});
        QVERIFY(process.waitForFinished(60000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(process.exitCode() == 0, qPrintable(err));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        QFETCH(QString, expected);
        QVERIFY2(out.contains(expected), qPrintable(out));
        for (const QString& line : out.split(u'\n'))
            QVERIFY2(line.size() <= 80, qPrintable(line));
    }

    // The command line speaks the language the window would: the stored one,
    // else the shipped file of the system's language, else French.
    void speaksTheWindowsLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("noneRenamed"); // the count, by the language's plural rule
        QTest::addColumn<QString>("notText");     // a reason of the system's, translated
        QTest::newRow("English system")
            << u"en_US.UTF-8"_s << QByteArray() << u"tervane-cli rename  FOLDER"_s
            << u"unknown command \"list\"; see --help"_s << u"0 files renamed."_s
            << u"This is not a text file."_s;
        QTest::newRow("German system")
            << u"de_DE.UTF-8"_s << QByteArray() << u"tervane-cli rename  ORDNER"_s
            << u"unbekannter Befehl „list“; siehe --help"_s << u"0 Dateien umbenannt."_s
            << u"Dies ist keine Textdatei."_s;
        QTest::newRow("French system")
            << u"fr_FR.UTF-8"_s << QByteArray() << u"tervane-cli rename  DOSSIER"_s
            << u"commande inconnue « list » ; voir --help"_s << u"0 fichier renommé."_s
            << u"Ce n'est pas un fichier texte."_s;
        QTest::newRow("a system without a shipped file")
            << u"it_IT.UTF-8"_s << QByteArray() << u"tervane-cli rename  DOSSIER"_s
            << u"commande inconnue"_s << u"0 fichier renommé."_s
            << u"Ce n'est pas un fichier texte."_s;
        QTest::newRow("C locale: untranslated English")
            << u"C"_s << QByteArray() << u"tervane-cli rename  FOLDER"_s
            << u"unknown command \"list\"; see --help"_s << u"0 files renamed."_s
            << u"This is not a text file."_s;
        QTest::newRow("the stored language wins")
            << u"en_US.UTF-8"_s << QByteArray("Langue=Deutsch\n") << u"Aufruf:"_s
            << u"unbekannter Befehl"_s << u"0 Dateien umbenannt."_s
            << u"Dies ist keine Textdatei."_s;
    }
    void speaksTheWindowsLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QByteArray, config);
        Workbench bench({u"a.mp3"_s}, config + "Numérotation=0\n");
        QFETCH(QString, help);
        const Result usage = bench.run({u"--help"_s, u"--settings"_s, bench.settings}, {}, locale);
        QCOMPARE(usage.exitCode, 0);
        QVERIFY2(usage.out.contains(help), qPrintable(usage.out.left(200)));
        QVERIFY(usage.out.contains(bench.journals()));
        // The help fits a terminal of 80 columns, whatever the language.
        for (const QString& line : usage.out.split(u'\n'))
            QVERIFY2(line.size() <= 80 || line.contains(bench.journals()), qPrintable(line));
        const Result wrong =
            bench.run({u"list"_s, bench.folder, u"--settings"_s, bench.settings}, {}, locale);
        QCOMPARE(wrong.exitCode, 2);
        QFETCH(QString, error);
        QVERIFY2(wrong.err.contains(error), qPrintable(wrong.err));
        QCOMPARE(bench.run({u"--version"_s}).out, u"tervane-cli 2.4.0\n"_s);

        const QStringList settings{u"--settings"_s, bench.settings};
        const Result none = bench.run(
            QStringList{u"rename"_s, bench.folder, u"--file-names"_s} + settings, {}, locale);
        QTEST(none.out.section(u'\n', -2, -2), "noneRenamed");
        const Result folder = bench.run(
            QStringList{u"preview"_s, bench.folder, u"--names"_s, bench.folder} + settings, {},
            locale);
        QFETCH(QString, notText);
        QVERIFY2(folder.err.endsWith(notText + u'\n'), qPrintable(folder.err));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "platform/PosixFileSystem.h"
#include "tst_cli.moc"
