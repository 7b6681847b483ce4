// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AppError.h"
#include "naming/PasteSources.h"
#include "naming/TemplateFields.h"
#include "support/TestEnvironment.h"

#include <QStringEncoder>
#include <QTest>

#include <sys/stat.h>

using namespace tervane;

using namespace Qt::StringLiterals;

class TestPasteSources : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void clipboard_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << u"a\r\nb"_s << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("LF only") << u"a\nb\n"_s << QStringList{u"a"_s, u"b"_s, QString()};
        QTest::newRow("CR only") << u"a\rb"_s << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("leading LF, LF CR, CR CR LF")
            << u"\na\n\rb\r\r\nc"_s
            << QStringList{QString(), u"a"_s, QString(), u"b"_s, QString(), u"c"_s};
        QTest::newRow("line breaks only are not empty")
            << u"\r\n\r\n"_s << QStringList{QString(), QString(), QString()};
    }
    void clipboard()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(linesOfClipboard(text), std::optional<QStringList>(lines));
    }

    void clipboardOfSpacesIsEmpty()
    {
        QCOMPARE(linesOfClipboard(u"   "_s), std::nullopt);
        QCOMPARE(linesOfClipboard(QString()), std::nullopt);
    }

    void textFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf"
                                                      "Caf\xc3\xa9\r\nB")
                                        << QStringList{u"Café"_s, u"B"_s};
        QTest::newRow("Windows-1252") << QByteArray("Caf\xe9\nB") << QStringList{u"Café"_s, u"B"_s};
        QTest::newRow("UTF-8 with BOM, then Windows-1252: no mark left")
            << QByteArray("\xef\xbb\xbf"
                          "Caf\xe9")
            << QStringList{u"Café"_s};
        QTest::newRow("UTF-16LE with BOM")
            << QByteArray("\xff\xfe") +
                   QByteArray(QStringEncoder(QStringEncoder::Utf16LE)(u"Café\r\n𝄞B"_s))
            << QStringList{u"Café"_s, u"𝄞B"_s};
        QTest::newRow("UTF-16BE with BOM")
            << QByteArray("\xfe\xff") +
                   QByteArray(QStringEncoder(QStringEncoder::Utf16BE)(u"Café\n𝄞B"_s))
            << QStringList{u"Café"_s, u"𝄞B"_s};
        QTest::newRow("invalid UTF-8 reads as Windows-1252")
            << QByteArray("a\xc3(b") << QStringList{u"aÃ(b"_s};
        QTest::newRow("empty file: one empty line") << QByteArray() << QStringList{QString()};
    }
    void textFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(linesOfTextFile(WriteFile(m_dir.filePath(u"names.txt"_s), bytes)), lines);
    }

    void unusableFilesAreRefused()
    {
        QVERIFY_THROWS_EXCEPTION(AppError, linesOfTextFile(m_dir.filePath(u"missing.txt"_s)));
        QVERIFY_THROWS_EXCEPTION(AppError, linesOfTextFile(m_dir.path()));
        const QString binary =
            WriteFile(m_dir.filePath(u"song.mp3"_s), Bytes("ID3\x03\x00\x00\x00"));
        QVERIFY_THROWS_EXCEPTION(AppError, linesOfTextFile(binary));
        const QString lateNul =
            WriteFile(m_dir.filePath(u"late.txt"_s), QByteArray(20000, 'a') + '\0' + "b\n");
        QVERIFY_THROWS_EXCEPTION(AppError, linesOfTextFile(lateNul));
        // UTF-16 that cannot be is refused as any other file that is no text.
        const auto refusal = [](const QString& path) {
            try {
                linesOfTextFile(path);
            } catch (const AppError& error) {
                return u"%1 %2"_s.arg(error.number()).arg(error.description());
            }
            return QString();
        };
        const QString notText = refusal(binary);
        QVERIFY(!notText.isEmpty());
        QCOMPARE(refusal(WriteFile(m_dir.filePath(u"odd.txt"_s), Bytes("\xff\xfe"
                                                                       "a\0b"))),
                 notText);
        QCOMPARE(refusal(WriteFile(m_dir.filePath(u"lone.txt"_s), Bytes("\xfe\xff\xd8\x34\0a"))),
                 notText);
        QCOMPARE(refusal(WriteFile(m_dir.filePath(u"nul.txt"_s), Bytes("\xff\xfe"
                                                                       "a\0\0\0"))),
                 notText);
        // The system's own error number: 13 for a refused access.
        QFile::setPermissions(m_dir.path(), QFileDevice::Permissions(0x7777));
        const QString locked = WriteFile(m_dir.filePath(u"locked.txt"_s), "a\n");
        QFile::setPermissions(locked, QFileDevice::WriteOwner);
        const AsOrdinaryUser user;
        try {
            linesOfTextFile(locked);
            QFAIL("read");
        } catch (const AppError& error) {
            QCOMPARE(error.number(), EACCES);
        }
        const QString huge = m_dir.filePath(u"huge.txt"_s);
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(100 * 1024 * 1024)); // sparse: no 100 MiB written
        file.close();
        QVERIFY_THROWS_EXCEPTION(AppError, linesOfTextFile(huge));
        // Devices and pipes are no text files, and must not hang the program.
        QVERIFY_THROWS_EXCEPTION(AppError, linesOfTextFile(u"/dev/zero"_s));
        const QString pipe = m_dir.filePath(u"pipe"_s);
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        QVERIFY_THROWS_EXCEPTION(AppError, linesOfTextFile(pipe));
    }

    void fileNames()
    {
        QCOMPARE(fileNameLines({u"01 Intro.mp3"_s, u"a.b.wma"_s, u"noext"_s}),
                 (QStringList{u"01 Intro"_s, u"a.b"_s, u"noext"_s}));
        // One line per file, whatever its name holds.
        QCOMPARE(fileNameLines({u".mp3"_s, u"a\rb.mp3"_s, u"t\tx\x1b.mp3"_s, u"c.mp3"_s}),
                 (QStringList{QString(), u"ab"_s, u"tx"_s, u"c"_s}));
        QCOMPARE(fileNameLines({}), QStringList());
    }

    void templates()
    {
        const QStringList three{u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s};
        QCOMPARE(linesFromTemplate(u"Piste n°[NUM]"_s, 0, three),
                 (QStringList{u"Piste n°1"_s, u"Piste n°2"_s, u"Piste n°3"_s}));
        QCOMPARE(linesFromTemplate(u"AC/DC [NUM]"_s, 3, three.first(2)),
                 (QStringList{u"ACDC 001"_s, u"ACDC 002"_s}));
        QCOMPARE(linesFromTemplate(u"  "_s, 2, three.first(2)), (QStringList{QString()}));
        QCOMPARE(initialTemplateWidth(120), 3);
        QCOMPARE(initialTemplateWidth(5), 2);
    }

    // Fields filled from one file's tags (title "T", artist "A", album "B",
    // year "1999", track "3" unless the row says otherwise, taken on
    // 2026-12-07 at 14:33:12 by "Canon EOS R6"), file "f.mp3".
    void tagFields_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("track");
        QTest::addColumn<QString>("line");
        QTest::newRow("every field") << u"[PISTE] [ARTISTE] - [TITRE] ([ALBUM], [ANNEE]) [NUM]"_s
                                     << 2 << u"T"_s << u"3"_s << u"03 A - T (B, 1999) 07"_s;
        QTest::newRow("track never cut") << u"[PISTE]"_s << 2 << u"T"_s << u"123"_s << u"123"_s;
        QTest::newRow("track without fill") << u"[PISTE]"_s << 0 << u"T"_s << u"3"_s << u"3"_s;
        QTest::newRow("no track") << u"[PISTE]-[TITRE]"_s << 2 << u"T"_s << QString() << u"-T"_s;
        QTest::newRow("no title: the file's name")
            << u"[TITRE]"_s << 2 << QString() << u"3"_s << u"f"_s;
        QTest::newRow("other capitals are text")
            << u"[Titre] [titre]"_s << 2 << u"T"_s << u"3"_s << u"[Titre] [titre]"_s;
        QTest::newRow("a field's text is no field")
            << u"[TITRE]"_s << 2 << u"[NUM] [ALBUM"_s << u"3"_s << u"[NUM] [ALBUM"_s;
        QTest::newRow("forbidden and control characters removed")
            << u"[TITRE]"_s << 2 << u"AC/DC: Live\nin\r\nParis"_s << u"3"_s
            << u"ACDC LiveinParis"_s;
        QTest::newRow("unclosed bracket")
            << u"[[TITRE] [ANNEE"_s << 2 << u"T"_s << u"3"_s << u"[T [ANNEE"_s;
        QTest::newRow("picture fields, no colon")
            << u"[DATE] [HEURE] [APPAREIL] - [NUM]"_s << 3 << u"T"_s << u"3"_s
            << u"2026-12-07 14.33.12 Canon EOS R6 - 007"_s;
        QTest::newRow("no date taken: empty fields")
            << u"[DATE]_[HEURE]"_s << 2 << u"no date"_s << u"3"_s << u"_"_s;
    }
    void tagFields()
    {
        QFETCH(QString, pattern);
        QFETCH(int, width);
        QFETCH(QString, title);
        QFETCH(QString, track);
        FileTags tags;
        tags.title = title;
        tags.artist = u"A"_s;
        tags.album = u"B"_s;
        tags.year = u"1999"_s;
        tags.track = track;
        if (title != u"no date") {
            tags.takenDate = QDate(2026, 12, 7);
            tags.takenTime = QTime(14, 33, 12);
        }
        tags.camera = u"Canon EOS R6"_s;
        QStringList files;
        for (int i = 1; i <= 7; ++i)
            files << u"f.mp3"_s;
        const QStringList lines =
            linesFromTemplate(pattern, width, files, std::vector<FileTags>(7, tags));
        QCOMPARE(lines.size(), 7);
        QTEST(lines.last(), "line");
        QCOMPARE(usesTagFields(pattern), !pattern.startsWith(u"[Titre]"_s));
    }

    void seriesFolders_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("qualifies");
        QTest::addColumn<QString>("episodesX");
        QTest::addColumn<QString>("episodesSE");
        QTest::newRow("Ma série S02")
            << u"Ma série S02"_s << true << u"Ma série 02x[NUM]"_s << u"Ma série S02E[NUM]"_s;
        QTest::newRow("Best of S")
            << u"Best of S"_s << true << u"Best of x[NUM]"_s << u"Best of SE[NUM]"_s;
        QTest::newRow("last S counts")
            << u"A S1 S03"_s << true << u"A S1 03x[NUM]"_s << u"A S1 S03E[NUM]"_s;
        QTest::newRow("Saison 1") << u"Saison 1"_s << false << QString() << QString();
        QTest::newRow("S02") << u"S02"_s << false << QString() << QString();
        QTest::newRow("letters after") << u"Show S02 HD"_s << false << QString() << QString();
        QTest::newRow("lower-case s") << u"Show s02"_s << false << QString() << QString();
    }
    void seriesFolders()
    {
        QFETCH(QString, folder);
        QFETCH(bool, qualifies);
        const auto series = seriesFolderOf(folder);
        QCOMPARE(series.has_value(), qualifies);
        if (series) {
            QTEST(episodeTemplate(*series, NameSource::FolderEpisodeX), "episodesX");
            QTEST(episodeTemplate(*series, NameSource::FolderEpisodeSE), "episodesSE");
        }
    }

    void captions()
    {
        QCOMPARE(captionOfEntry(u"Coller une &chaîne de caractères..."_s),
                 u"Coller une chaîne de caractères"_s);
        QCOMPARE(captionOfFolderEntry(u"Coller le nom du dossier, format 01&x01 (option ...)..."_s),
                 u"Coller le nom du dossier, format 01x01"_s);
    }
};

QTEST_APPLESS_MAIN(TestPasteSources)
#include "tst_pastesources.moc"
