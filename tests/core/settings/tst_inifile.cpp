// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniFile.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace tervane;

using namespace Qt::StringLiterals;

// The INI functions read and write files as the Windows profile functions do.
class TestIniFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString file(const QString& name = QStringLiteral("test.ini")) { return m_dir.filePath(name); }
    QString read(const QString& key, const QString& def = QStringLiteral("<default>"))
    {
        return readIniString(file(), QStringLiteral("Config"), key, def);
    }

private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QByteArray basic = "[Config]\r\nKey=value\r\n";
        QTest::newRow("plain") << basic << u"Key"_s << u"value"_s;
        QTest::newRow("key case") << basic << u"KEY"_s << u"value"_s;
        QTest::newRow("section case") << QByteArray("[config]\nKey=v\n") << u"Key"_s << u"v"_s;
        QTest::newRow("missing key") << basic << u"Other"_s << u"<default>"_s;
        QTest::newRow("other section")
            << QByteArray("[Autre]\nKey=v\n") << u"Key"_s << u"<default>"_s;
        QTest::newRow("spaces and tabs trimmed")
            << QByteArray("[Config]\n  Key \t=  \t a b \t\n") << u"Key"_s << u"a b"_s;
        QTest::newRow("double quotes")
            << QByteArray("[Config]\nKey=\" a \"\n") << u"Key"_s << u" a "_s;
        QTest::newRow("single quotes")
            << QByteArray("[Config]\nKey=' a '\n") << u"Key"_s << u" a "_s;
        QTest::newRow("unmatched quotes")
            << QByteArray("[Config]\nKey=\"a'\n") << u"Key"_s << u"\"a'"_s;
        QTest::newRow("first equals splits")
            << QByteArray("[Config]\nKey=a=b\n") << u"Key"_s << u"a=b"_s;
        QTest::newRow("comment") << QByteArray("[Config]\n;Key=c\nKey=v\n") << u"Key"_s << u"v"_s;
        QTest::newRow("keys before a section ignored")
            << QByteArray("Key=early\n[Config]\n") << u"Key"_s << u"<default>"_s;
        QTest::newRow("empty value") << QByteArray("[Config]\nKey=\n") << u"Key"_s << u""_s;
        QTest::newRow("first of two keys")
            << QByteArray("[Config]\nKey=1\nKey=2\n") << u"Key"_s << u"1"_s;
        QTest::newRow("accented key, UTF-8") << QByteArray("[Config]\nSuppressionDur\xc3\xa9"
                                                           "es=-1\n")
                                             << QStringLiteral("SuppressionDurées") << u"-1"_s;
        QTest::newRow("accented key, Windows-1252")
            << QByteArray("[Config]\nSuppressionDur\xe9"
                          "es=0\n")
            << QStringLiteral("SuppressionDurées") << u"0"_s;
        QTest::newRow("UTF-8 with one Windows-1252 line")
            << QByteArray("[Config]\nDernierDossier=/m\xe9"
                          "dia\nSuppressionDur\xc3\xa9"
                          "es=1\n")
            << QStringLiteral("SuppressionDurées") << u"1"_s;
        QTest::newRow("BOM") << QByteArray("\xef\xbb\xbf[Config]\nKey=v\n") << u"Key"_s << u"v"_s;
        QTest::newRow("Windows-1252 value")
            << QByteArray("[Config]\nKey=Caf\xe9\n") << u"Key"_s << QStringLiteral("Café");
        QTest::newRow("binary garbage")
            << Bytes("\x00\xff\xfe[Conf\x00ig]\n\x01\x02=\x03\n") << u"Key"_s << u"<default>"_s;
        QTest::newRow("unclosed section name")
            << QByteArray("[Config\nKey=v\n") << u"Key"_s << u"v"_s;
    }

    void reading()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        WriteFile(file(), content);
        QCOMPARE(read(key), expected);
    }

    void missingFileGivesDefault()
    {
        QCOMPARE(readIniString(file(QStringLiteral("none.ini")), QStringLiteral("Config"),
                               QStringLiteral("Key"), QStringLiteral("d")),
                 QStringLiteral("d"));
    }

    void filesThatAreNoTextReadAsMissing()
    {
        const QString pipe = file(QStringLiteral("pipe.ini"));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        for (const QString& path : {pipe, QStringLiteral("/dev/zero")})
            QCOMPARE(readIniString(path, QStringLiteral("Config"), QStringLiteral("Key"),
                                   QStringLiteral("d")),
                     QStringLiteral("d"));
        writeIniString(pipe, QStringLiteral("Config"), QStringLiteral("Key"), QStringLiteral("v"));
        QVERIFY(!QFileInfo(pipe).isFile()); // never replaced
    }

    void unreadableFilesAreNeverWrittenAndReadOnlyFoldersWrittenInPlace()
    {
        // Checked as an ordinary user: root reads and writes whatever it likes.
        QFile::setPermissions(m_dir.path(), QFileDevice::Permissions(0x7777));
        const QString unreadable = WriteFile(file(u"unreadable.ini"_s), "[Config]\nKey=v\n");
        ::chmod(QFile::encodeName(unreadable).constData(), 0222);
        const QString folder = m_dir.filePath(u"readonly"_s);
        QDir().mkpath(folder);
        const QString inPlace = WriteFile(folder + u"/Tervane.ini"_s, "[Config]\nKey=v\n");
        ::chmod(QFile::encodeName(inPlace).constData(), 0666);
        ::chmod(QFile::encodeName(folder).constData(), 0555);
        {
            const AsOrdinaryUser user;
            writeIniString(unreadable, u"Config"_s, u"Other"_s, u"w"_s);
            writeIniString(inPlace, u"Config"_s, u"Other"_s, u"w"_s);
        }
        QCOMPARE(ReadFile(unreadable), QByteArray("[Config]\nKey=v\n"));
        QCOMPARE(ReadFile(inPlace), QByteArray("[Config]\nKey=v\nOther=w\n"));
        ::chmod(QFile::encodeName(folder).constData(), 0755);
    }

    void longValueIsCutToTheBuffer()
    {
        const QByteArray huge(100000, 'x');
        WriteFile(file(), "[Config]\nKey=" + huge + "\nNext=ok\n");
        QCOMPARE(read(QStringLiteral("Key")).size(), IniBufferSize - 1);
        QCOMPARE(read(QStringLiteral("Next")), QStringLiteral("ok"));
    }

    void writing_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value"); // "<null>" deletes
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("creates the file")
            << QByteArray() << u"Key"_s << u"v"_s << QByteArray("[Config]\nKey=v\n");
        QTest::newRow("replaces in place, comments and order kept")
            << QByteArray("; head\n[Config]\nA=1\nKey=old\nB=2\n") << u"KEY"_s << u"new"_s
            << QByteArray("; head\n[Config]\nA=1\nKEY=new\nB=2\n");
        QTest::newRow("appends at the end of its section")
            << QByteArray("[Config]\nA=1\n\n[Other]\nB=2\n") << u"Key"_s << u"v"_s
            << QByteArray("[Config]\nA=1\nKey=v\n\n[Other]\nB=2\n");
        QTest::newRow("appends a missing section")
            << QByteArray("[Other]\nB=2\n") << u"Key"_s << u"v"_s
            << QByteArray("[Other]\nB=2\n[Config]\nKey=v\n");
        QTest::newRow("no value deletes the key")
            << QByteArray("[Config]\nA=1\nKey=v\nB=2\n") << u"Key"_s << u"<null>"_s
            << QByteArray("[Config]\nA=1\nB=2\n");
        QTest::newRow("empty value is kept as a key") << QByteArray("[Config]\nKey=v\n") << u"Key"_s
                                                      << u""_s << QByteArray("[Config]\nKey=\n");
        QTest::newRow("deleting a missing key changes nothing")
            << QByteArray("[Config]\nA=1\n") << u"Key"_s << u"<null>"_s
            << QByteArray("[Config]\nA=1\n");
        QTest::newRow("CR LF kept") << QByteArray("[Config]\r\nA=1\r\n") << u"Key"_s << u"v"_s
                                    << QByteArray("[Config]\r\nA=1\r\nKey=v\r\n");
        QTest::newRow("line breaks inside a value dropped")
            << QByteArray("[Config]\n") << u"Key"_s << u"a\nb\r\n[Other]"_s
            << QByteArray("[Config]\nKey=ab[Other]\n");
        QTest::newRow("Windows-1252 file rewritten as UTF-8")
            << QByteArray("[Config]\nA=Caf\xe9\n") << u"Key"_s << u"v"_s
            << QByteArray("[Config]\nA=Caf\xc3\xa9\nKey=v\n");
    }

    void writing()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        QFile::remove(file());
        if (!before.isEmpty())
            WriteFile(file(), before);
        const std::optional<QString> written =
            value == u"<null>" ? std::nullopt : std::optional<QString>(value);
        writeIniString(file(), QStringLiteral("Config"), key, written);
        QCOMPARE(ReadFile(file()), after);
    }

    void roundTripKeepsSpacesInsideAndAccents()
    {
        QFile::remove(file());
        const QString value = QStringLiteral("a\tb é ;x");
        writeIniString(file(), QStringLiteral("Config"), QStringLiteral("DernierDossier"), value);
        QCOMPARE(read(QStringLiteral("dernierdossier")), value);
    }

    void writeToAnUnwritableFolderIsSilent()
    {
        writeIniString(m_dir.filePath(QStringLiteral("missing/sub/x.ini")),
                       QStringLiteral("Config"), QStringLiteral("Key"), QStringLiteral("v"));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("missing/sub/x.ini"))));
    }

    void lookupStopsAtTheFirstSectionOfThatName()
    {
        const QString text = QStringLiteral("[Config]\nA=1\n[Other]\nB=2\n[Config]\nB=3\n");
        QCOMPARE(lookupIniValue(text, QStringLiteral("Config"), QStringLiteral("A")),
                 std::optional<QString>(QStringLiteral("1")));
        QCOMPARE(lookupIniValue(text, QStringLiteral("Config"), QStringLiteral("B")),
                 std::optional<QString>());
    }
};

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
