// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/FileSystem.h"
#include "support/TestEnvironment.h"
#include "text/FileNameBytes.h"

#include <QDir>
#include <QTest>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tervane;

using namespace Qt::StringLiterals;

// The rename that never overwrites, on the real file system.
class TestFileSystem : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    PosixFileSystem m_fileSystem;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        WriteFile(path(u"a.mp3"_s), "a");
        WriteFile(path(u"b.mp3"_s), "b");
        QDir(m_dir.path()).mkdir(u"folder.mp3"_s);
    }

    void renames()
    {
        const RenameResult result =
            m_fileSystem.renameNoReplace(m_dir.path(), u"a.mp3"_s, u"Été.mp3"_s);
        QVERIFY(result.ok);
        QCOMPARE(ReadFile(path(u"Été.mp3"_s)), QByteArray("a"));
        QVERIFY(!QFile::exists(path(u"a.mp3"_s)));
    }

    void sameNameIsNoObstacle()
    {
        QVERIFY(m_fileSystem.renameNoReplace(m_dir.path(), u"a.mp3"_s, u"a.mp3"_s).ok);
        QCOMPARE(ReadFile(path(u"a.mp3"_s)), QByteArray("a"));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("error");
        QTest::newRow("taken by a file") << u"a.mp3"_s << u"b.mp3"_s << EEXIST;
        QTest::newRow("taken by a folder") << u"a.mp3"_s << u"folder.mp3"_s << EEXIST;
        QTest::newRow("source missing") << u"gone.mp3"_s << u"c.mp3"_s << ENOENT;
        QTest::newRow("source missing, same name") << u"gone.mp3"_s << u"gone.mp3"_s << ENOENT;
        QTest::newRow("empty name") << u"a.mp3"_s << QString() << EINVAL;
        QTest::newRow("dot") << u"a.mp3"_s << u"."_s << EINVAL;
        QTest::newRow("dot dot") << u"a.mp3"_s << u".."_s << EINVAL;
        QTest::newRow("separator") << u"a.mp3"_s << u"../escape.mp3"_s << EINVAL;
        QTest::newRow("into the sub-folder") << u"a.mp3"_s << u"folder.mp3/a.mp3"_s << EINVAL;
        QTest::newRow("NUL") << u"a.mp3"_s << u"x\0y.mp3"_s << EINVAL;
        QTest::newRow("not writable as shown")
            << u"a.mp3"_s << QString(QChar(0xD800)) + u"x"_s << EINVAL;
        QTest::newRow("source with a separator") << u"../a.mp3"_s << u"c.mp3"_s << EINVAL;
        QTest::newRow("too long") << u"a.mp3"_s << QString(300, u'x') << ENAMETOOLONG;
        QTest::newRow("one byte too long")
            << u"a.mp3"_s << QString(NAME_MAX + 1, u'x') << ENAMETOOLONG;
        QTest::newRow("longest name, source missing")
            << QString(NAME_MAX, u'x') << u"c.mp3"_s << ENOENT;
        QTest::newRow("too long in bytes") << u"a.mp3"_s << QString(200, u'é') << ENAMETOOLONG;
    }
    void refusals()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, error);
        const QStringList before = entries();
        const RenameResult result = m_fileSystem.renameNoReplace(m_dir.path(), from, to);
        QVERIFY(!result.ok);
        QCOMPARE(result.errorNumber, error);
        QCOMPARE(result.description, QString::fromLocal8Bit(strerror(error)));
        QCOMPARE(entries(), before);
        QCOMPARE(ReadFile(path(u"a.mp3"_s)), QByteArray("a"));
        QCOMPARE(ReadFile(path(u"b.mp3"_s)), QByteArray("b"));
    }

    void anotherNameOfTheSameFileIsNotTheSource()
    {
        // Two hard links to one file: renaming one onto the other must not
        // silently drop a name.
        QVERIFY(::link(QFile::encodeName(path(u"a.mp3"_s)).constData(),
                       QFile::encodeName(path(u"link.mp3"_s)).constData()) == 0);
        const RenameResult result =
            m_fileSystem.renameNoReplace(m_dir.path(), u"a.mp3"_s, u"link.mp3"_s);
        QVERIFY(!result.ok);
        QCOMPARE(result.errorNumber, EEXIST);
        QVERIFY(QFile::exists(path(u"a.mp3"_s)) && QFile::exists(path(u"link.mp3"_s)));
        QCOMPARE(entries().size(), 4);
    }

    // A name whose bytes are not UTF-8 is listed by its bytes, renamed by
    // them, and gets them back.
    void namesThatAreNoTextKeepTheirBytes()
    {
        const QByteArray folder = QFile::encodeName(m_dir.path());
        ::close(::open((folder + "/\xe9t\xe9.mp3").constData(), O_CREAT | O_WRONLY, 0644));
        // A leading byte order mark is part of a name, not a way to another.
        ::close(::open((folder + "/\xef\xbb\xbf"
                                 "a.mp3")
                           .constData(),
                       O_CREAT | O_WRONLY, 0644));
        QStringList listed = m_fileSystem.listFiles(m_dir.path());
        listed.sort();
        QCOMPARE(listed.size(), 4);
        QVERIFY(listed.contains(u"\ufeffa.mp3"_s));
        const QString old = listed[2];
        QVERIFY(m_fileSystem.fileExists(m_dir.path() + u'/' + old));
        QCOMPARE(bytesOfFileName(old), QByteArray("\xe9t\xe9.mp3"));
        QCOMPARE(shownFileName(old), u"été.mp3"_s);
        QVERIFY(m_fileSystem.renameNoReplace(m_dir.path(), old, shownFileName(old)).ok);
        QVERIFY(QFile::exists(path(u"été.mp3"_s)));
        QVERIFY(m_fileSystem.renameNoReplace(m_dir.path(), u"été.mp3"_s, old).ok);
        struct stat info {};
        QCOMPARE(::stat((folder + "/\xe9t\xe9.mp3").constData(), &info), 0);
    }

    void missingFolder()
    {
        const RenameResult result =
            m_fileSystem.renameNoReplace(path(u"nowhere"_s), u"a.mp3"_s, u"c.mp3"_s);
        QCOMPARE(result.errorNumber, ENOENT);
    }
};

QTEST_APPLESS_MAIN(TestFileSystem)
#include "platform/PosixFileSystem.h"
#include "tst_filesystem.moc"
