#include "rename/RenameJournal.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

// The real tervane-cli executable on temporary folders.
class TestCli : public QObject {
    Q_OBJECT

    struct Result {
        int exitCode = -1;
        QString out;
        QString err;
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
        Result run(QStringList arguments, const QByteArray& input = {}) const
        {
            QProcess process;
            process.start(QStringLiteral(TERVANE_CLI), arguments);
            process.write(input);
            process.closeWriteChannel();
            if (!process.waitForFinished(60000))
                process.kill();
            return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                    QString::fromUtf8(process.readAllStandardError())};
        }
        // Runs a command on the folder with the bench's settings.
        Result cli(const QString& command, QStringList more = {},
                   const QByteArray& input = {}) const
        {
            return run(QStringList{command, folder} + more + QStringList{u"--settings"_s, settings},
                       input);
        }
        QStringList onDisk() const
        {
            QStringList found;
            for (const QString& name : QDir(folder).entryList(QDir::Files))
                found << name + u'=' + QString::fromUtf8(ReadFile(folder + u'/' + name));
            return found;
        }
    };

private slots:
    void previewOfATrackList()
    {
        Workbench bench({u"01 track.mp3"_s, u"02 track.wma"_s, u"03 track.mp3"_s});
        const Result result =
            bench.cli(u"preview"_s, {}, "01 - Intro (3:45)\r\n02 - Song 4:01\r\n3 - Outro\r\n");
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, u"01 track.mp3\t01 - Intro (.mp3\n02 track.wma\t02 - Song.wma\n"
                             "03 track.mp3\t03 - Outro.mp3\n"_s);
        QCOMPARE(bench.onDisk().first(), u"01 track.mp3=01 track.mp3"_s);
    }

    void previewShowsUnpairedRows()
    {
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s});
        const Result result = bench.cli(u"preview"_s, {u"--names"_s, u"-"_s}, "x\ny\nz\n");
        QCOMPARE(result.out, u"a.mp3\t01 - x.mp3\nb.mp3\t02 - y.mp3\n\t03 - z\n"_s);
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

    void conflictIsRefusedWithoutYes()
    {
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s}, "Numérotation=0\n");
        const Result refused = bench.cli(u"rename"_s, {}, "b\nz\n");
        QCOMPARE(refused.exitCode, 3);
        QVERIFY(refused.err.contains(u"un des nouveaux noms correspond à un fichier"_s));
        QCOMPARE(bench.onDisk(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
    }

    void failedStepIsRolledBack()
    {
        Workbench bench({u"1.mp3"_s, u"2.mp3"_s, u"3.mp3"_s});
        QDir(bench.folder).mkdir(u"03 - Outro.mp3"_s);
        const Result result = bench.cli(u"rename"_s, {}, "Intro\nSong\nOutro\n");
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains(u"lors du renommage du fichier '3.mp3' en '03 - Outro.mp3'"_s));
        QCOMPARE(bench.onDisk(),
                 (QStringList{u"1.mp3=1.mp3"_s, u"2.mp3=2.mp3"_s, u"3.mp3=3.mp3"_s}));
        QCOMPARE(bench.cli(u"undo"_s).exitCode, 3); // nothing left to undo
    }

    void undoAfterAnInterruptedRun()
    {
        // A run killed between its two renames: the journal holds the whole
        // plan, the folder only the first step.
        Workbench bench({u"a.mp3"_s, u"b.mp3"_s});
        RenameJournal journal(QFileInfo(bench.settings).absolutePath() + u"/journal"_s);
        QVERIFY(journal.begin(bench.folder, {{u"b.mp3"_s, u"c.mp3"_s}, {u"a.mp3"_s, u"b.mp3"_s}}));
        QVERIFY(QFile::rename(bench.folder + u"/b.mp3"_s, bench.folder + u"/c.mp3"_s));
        const Result undone = bench.cli(u"undo"_s);
        QCOMPARE(undone.exitCode, 0);
        QCOMPARE(bench.onDisk(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
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
            << u"Une erreur est survenue lors du traitement du fichier"_s;
        QTest::newRow("two sources")
            << QStringList{u"preview"_s, u"@"_s, u"--file-names"_s, u"--template"_s, u"x"_s} << 2
            << u"one source"_s;
        QTest::newRow("bad width")
            << QStringList{u"preview"_s, u"@"_s, u"--template"_s, u"x"_s, u"--width"_s, u"1"_s} << 2
            << u"--width"_s;
        QTest::newRow("not a series folder")
            << QStringList{u"preview"_s, u"@"_s, u"--episode"_s, u"x"_s} << 3 << u"series"_s;
    }
    void badInput()
    {
        QFETCH(QStringList, arguments);
        Workbench bench({u"a.mp3"_s});
        arguments.replaceInStrings(u"@"_s, bench.folder);
        const Result result = bench.run(arguments);
        QTEST(result.exitCode, "exitCode");
        QFETCH(QString, message);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(bench.onDisk(), QStringList{u"a.mp3=a.mp3"_s});
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
        QVERIFY(result.err.contains(u"Cette valeur de remplissage n'est pas adaptée"_s));
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

    void helpAndVersion()
    {
        Workbench bench({});
        const Result help = bench.run({u"--help"_s});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(u"tervane-cli rename  FOLDER"_s));
        QVERIFY(help.out.contains(u"journal"_s));
        QCOMPARE(bench.run({u"--version"_s}).out, u"tervane-cli v2.4\n"_s);
        QCOMPARE(bench.run({}).exitCode, 2);
    }
};

QTEST_APPLESS_MAIN(TestCli)
#include "tst_cli.moc"
