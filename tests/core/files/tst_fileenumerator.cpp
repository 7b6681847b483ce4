// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileEnumerator.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QTest>

using namespace tervane;

using namespace Qt::StringLiterals;

class TestFileEnumerator : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    PosixFileSystem m_fileSystem;
    QString file(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        for (const QString& name :
             {u"b.MP3"_s, u"a.wma"_s, u"c.txt"_s, u"README"_s, u".hidden.mp3"_s})
            WriteFile(file(name));
        QVERIFY(QDir(m_dir.path()).mkdir(u"d.mp3"_s));
    }

    void patterns_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("names");
        const QStringList audio{u"a.wma"_s, u"b.MP3"_s};
        const QStringList all{u"a.wma"_s, u"b.MP3"_s, u"c.txt"_s, u"README"_s};
        QTest::newRow("two patterns") << u"*.mp3;*.wma"_s << audio;
        QTest::newRow("spaces and case") << u" *.MP3 ; *.Wma "_s << audio;
        QTest::newRow("empty pieces and repeats") << u";*.mp3;;*.MP3;"_s << QStringList{u"b.MP3"_s};
        QTest::newRow("overlapping patterns") << u"*.mp3;*"_s << all;
        QTest::newRow("star dot star is every file") << u"*.*"_s << all;
        QTest::newRow("empty text") << QString() << QStringList();
        QTest::newRow("separators only") << u" ; ;"_s << QStringList();
    }
    void patterns()
    {
        QFETCH(QString, pattern);
        QFETCH(QStringList, names);
        FileEnumerator files(m_fileSystem);
        QVERIFY(files.setPath(m_dir.path()));
        files.setPattern(pattern);
        QCOMPARE(files.pattern(), pattern);
        QCOMPARE(files.names(), names);
        QCOMPARE(files.count(), names.size());
    }

    void startsEmptyWithThePlaceholder()
    {
        FileEnumerator files(m_fileSystem);
        QCOMPARE(files.pattern(), u"*.toto"_s);
        QVERIFY(files.path().isEmpty());
        files.setPattern(u"*"_s); // no folder yet: nothing to read
        QCOMPARE(files.count(), 0);
        QVERIFY(files.setPath(m_dir.path()));
        QCOMPARE(files.count(), 4);
    }

    void refusedPathKeepsThePrevious_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << file(u"missing"_s);
        QTest::newRow("a file") << file(u"c.txt"_s);
        QTest::newRow("empty") << QString();
    }
    void refusedPathKeepsThePrevious()
    {
        QFETCH(QString, path);
        FileEnumerator files(m_fileSystem);
        files.setPattern(u"*.mp3"_s);
        QVERIFY(files.setPath(m_dir.path()));
        QVERIFY(!files.setPath(path));
        QCOMPARE(files.path(), m_dir.path());
        QCOMPARE(files.names(), QStringList{u"b.MP3"_s});
    }

    void refreshFollowsTheDisk()
    {
        QTemporaryDir dir;
        WriteFile(dir.filePath(u"b.mp3"_s));
        FileEnumerator files(m_fileSystem);
        files.setPattern(u"*.mp3"_s);
        QVERIFY(files.setPath(dir.path()));
        WriteFile(dir.filePath(u"A.mp3"_s));
        WriteFile(dir.filePath(u"a.mp3"_s));
        QCOMPARE(files.names(), QStringList{u"b.mp3"_s}); // read only when asked
        files.refresh();
        QCOMPARE(files.names(), (QStringList{u"A.mp3"_s, u"a.mp3"_s, u"b.mp3"_s}));
        QVERIFY(QFile::rename(dir.filePath(u"b.mp3"_s), dir.filePath(u"b.txt"_s)));
        files.setPattern(u"*.mp3"_s); // a pattern filters the last reading
        QCOMPARE(files.names(), (QStringList{u"A.mp3"_s, u"a.mp3"_s, u"b.mp3"_s}));
        files.refresh();
        QCOMPARE(files.names(), (QStringList{u"A.mp3"_s, u"a.mp3"_s}));
    }

    // A reading counts when it finds other entries than the one before, the
    // folder's other entries included: the names marked taken follow it.
    void readingsCountChanges_data()
    {
        QTest::addColumn<QString>("subFolder"); // made between two readings
        QTest::addColumn<int>("readings");      // that the second one adds
        QTest::newRow("nothing changed") << QString() << 0;
        QTest::newRow("a sub-folder made") << u"sub"_s << 1;
    }
    void readingsCountChanges()
    {
        QFETCH(QString, subFolder);
        QTemporaryDir dir;
        WriteFile(dir.filePath(u"a.mp3"_s));
        FileEnumerator files(m_fileSystem);
        files.setPattern(u"*.mp3"_s);
        QVERIFY(files.setPath(dir.path()));
        const int before = files.readings();
        if (!subFolder.isEmpty())
            QVERIFY(QDir(dir.path()).mkdir(subFolder));
        files.refresh();
        QTEST(files.readings() - before, "readings");
        QCOMPARE(files.otherNames(), subFolder.isEmpty() ? QStringList() : QStringList{subFolder});
    }

    void vanishedFolderKeepsTheNames()
    {
        QTemporaryDir dir;
        WriteFile(dir.filePath(u"x.mp3"_s));
        FileEnumerator files(m_fileSystem);
        files.setPattern(u"*.mp3"_s);
        QVERIFY(files.setPath(dir.path()));
        QVERIFY(QDir(dir.path()).removeRecursively());
        files.refresh();
        QCOMPARE(files.path(), dir.path());
        QCOMPARE(files.names(), QStringList{u"x.mp3"_s});
        WriteFile(dir.filePath(u"y.mp3"_s)); // back again: the next reading sees it
        files.refresh();
        QCOMPARE(files.names(), QStringList{u"y.mp3"_s});
    }

    void wildcard_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("matches");
        QTest::newRow("question mark") << u"a1.mp3"_s << u"a?.mp3"_s << true;
        QTest::newRow("question mark needs one") << u"a.mp3"_s << u"a?.mp3"_s << false;
        QTest::newRow("star in the middle") << u"Piste 12 - x.mp3"_s << u"Piste*x.mp3"_s << true;
        QTest::newRow("several stars, too few") << u"a-b.mp3"_s << u"*-*-*.mp3"_s << false;
        QTest::newRow("backtracking") << u"mississippi"_s << u"m*iss*ppi"_s << true;
        QTest::newRow("backtracking fails") << u"abab"_s << u"*a?b?"_s << false;
        QTest::newRow("prefix only") << u"abc"_s << u"ab"_s << false;
        QTest::newRow("trailing stars") << u"abc"_s << u"abc**"_s << true;
        QTest::newRow("empty name, star") << QString() << u"*"_s << true;
        QTest::newRow("empty pattern") << u"a"_s << QString() << false;
        QTest::newRow("case") << u"b.MP3"_s << u"*.mp3"_s << true;
        QTest::newRow("accented capitals") << u"ÉTÉ.mp3"_s << u"été.*"_s << true;
        QTest::newRow("accented letter is one character") << u"été"_s << u"?t?"_s << true;
        QTest::newRow("decomposed accent") << u"e\u0301t\u00E9"_s << u"?T\u0045\u0301"_s << true;
        QTest::newRow("outside the basic plane") << u"\U00010400.mp3"_s << u"?.mp3"_s << true;
        QTest::newRow("case outside the basic plane") << u"\U00010400"_s << u"\U00010428"_s << true;
        QTest::newRow("accent before a plain end") << u"e\u0301.MP3"_s << u"*.mp3"_s << true;
        QTest::newRow("end shorter than the pattern") << u"mp3"_s << u"*.mp3"_s << false;
        QTest::newRow("end folding outside Latin") << u"a\u00B5"_s << u"*\u03BC"_s << true;
        QTest::newRow("end composing with the letter before")
            << u"ae\u0301"_s << u"*\u00E9"_s << true;
        QTest::newRow("end folding into ASCII") << u"x.\u212A"_s << u"*.k"_s << true;
        QTest::newRow("no bracket classes") << u"a.mp3"_s << u"[a].mp3"_s << false;
    }
    void wildcard()
    {
        QFETCH(QString, name);
        QFETCH(QString, pattern);
        QFETCH(bool, matches);
        QCOMPARE(matchesWildcard(name, pattern), matches);
    }
};

QTEST_APPLESS_MAIN(TestFileEnumerator)
#include "platform/PosixFileSystem.h"
#include "tst_fileenumerator.moc"
