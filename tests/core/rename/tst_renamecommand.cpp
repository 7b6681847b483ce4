// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageFile.h"
#include "i18n/TranslationCatalogue.h"
#include "rename/NameHolders.h"
#include "rename/PlanOrder.h"
#include "rename/RenameCommand.h"
#include "session/RenameWorkspace.h"
#include "support/FaultyFileSystem.h"
#include "support/OtherRun.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QTest>

#include <optional>
#include <sys/stat.h>

using namespace tervane;

using namespace Qt::StringLiterals;

// The rename command and its undo on real files: every file is written with
// its own name as content, so a test can tell which file holds which name.
class TestRenameCommand : public QObject {
    Q_OBJECT

    struct Folder {
        QTemporaryDir dir;
        RenameWorkspace workspace;
        PosixFileSystem real;
        FaultyFileSystem fileSystem{real};
        ScriptedPrompter prompter;
        TranslationCatalogue texts = buildTranslationCatalogue(LanguageFile());

        explicit Folder(const QStringList& files)
        {
            for (const QString& file : files)
                WriteFile(dir.filePath(file), file.toUtf8());
            workspace.listedFolder = dir.path();
        }
        // Rows "current>new", in plan order.
        void plan(const QStringList& rows)
        {
            workspace.fileRows.clear();
            workspace.nameRows.clear();
            for (const QString& row : rows) {
                workspace.fileRows << row.section(u'>', 0, 0);
                workspace.nameRows.push_back({row.section(u'>', 1, 1), false});
            }
        }
        RenameCommand command() { return {workspace.listedFolder, fileSystem, prompter, texts}; }
        RenameOutcome run() { return command().run(renamePlan(workspace), workspace.undoSet); }
        RenameOutcome undo() { return command().undo(workspace.undoSet); }
        // "name=content" for every file, sorted.
        QStringList contents() const
        {
            QStringList found;
            for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
                found << name + u'=' + QString::fromUtf8(ReadFile(dir.filePath(name)));
            return found;
        }
        QString lastMessage() const
        {
            return prompter.boxes.isEmpty() ? QString() : prompter.boxes.last().text;
        }
    };

private slots:
    void unrelatedFileTakenAsksOnce_data()
    {
        QTest::addColumn<bool>("goOn");
        QTest::newRow("No") << false;
        QTest::newRow("Yes") << true;
    }
    void unrelatedFileTakenAsksOnce()
    {
        QFETCH(bool, goOn);
        Folder folder({u"1.mp3"_s, u"2.mp3"_s, u"3.mp3"_s, u"taken.mp3"_s});
        folder.workspace.undoSet.push_back({u"old"_s, u"older"_s});
        folder.plan({u"1.mp3>a.mp3"_s, u"2.mp3>taken.mp3"_s, u"3.mp3>c.mp3"_s});
        folder.prompter.queueAnswers({goOn, false});
        const RenameOutcome outcome = folder.run();
        const auto& question = folder.prompter.boxes.first();
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.icon, MessageIcon::Exclamation);
        QCOMPARE(question.text,
                 u"L'analyse préliminaire fait état d'un conflit : un des nouveaux noms correspond "
                 "à un fichier déjà présent dans le dossier.\r\n\r\nSouhaitez-vous malgré tout "
                 "tenter l'opération de renommage ?"_s);
        QCOMPARE(folder.prompter.busyDepth, 0);
        if (!goOn) {
            QCOMPARE(outcome, RenameOutcome::Declined);
            QCOMPARE(folder.contents(), (QStringList{u"1.mp3=1.mp3"_s, u"2.mp3=2.mp3"_s,
                                                     u"3.mp3=3.mp3"_s, u"taken.mp3=taken.mp3"_s}));
            QCOMPARE(folder.workspace.undoSet.size(), std::size_t(1));
            return;
        }
        // Row 2 fails on the taken name; row 1 may be rolled back (answered No).
        QCOMPARE(outcome, RenameOutcome::StepFailed);
        QCOMPARE(folder.prompter.boxes.size(), 2);
        QVERIFY(folder.lastMessage().startsWith(
            u"Une erreur (%1) est survenue lors du renommage du fichier '2.mp3' en 'taken.mp3' :"
            "\r\n\r\n\t"_s.arg(EEXIST)));
        QVERIFY(folder.lastMessage().endsWith(u"Souhaitez-vous annuler leur renommage ?"_s));
        QCOMPARE(folder.contents(), (QStringList{u"2.mp3=2.mp3"_s, u"3.mp3=3.mp3"_s,
                                                 u"a.mp3=1.mp3"_s, u"taken.mp3=taken.mp3"_s}));
        QCOMPARE(folder.workspace.undoSet.size(), std::size_t(1));
    }

    void twoConflictsUseThePlural()
    {
        Folder folder({u"1.mp3"_s, u"2.mp3"_s, u"x.mp3"_s, u"y.mp3"_s});
        folder.plan({u"1.mp3>x.mp3"_s, u"2.mp3>y.mp3"_s});
        folder.prompter.queueAnswers({false});
        QCOMPARE(folder.run(), RenameOutcome::Declined);
        QVERIFY(folder.prompter.boxes.first().text.startsWith(
            u"L'analyse préliminaire fait état de plusieurs conflits : 2 nouveaux noms"_s));
    }

    void chainCountsOneConflictAndFailsAtItsFirstStep()
    {
        Folder folder({u"a.mp3"_s, u"b.mp3"_s});
        folder.plan({u"a.mp3>b.mp3"_s, u"b.mp3>c.mp3"_s});
        folder.prompter.queueAnswers({true});
        QCOMPARE(folder.run(), RenameOutcome::StepFailed);
        QVERIFY(folder.prompter.boxes[0].text.contains(u"d'un conflit"_s));
        QCOMPARE(folder.prompter.boxes[1].buttons, MessageButtons::Ok); // first step: no rollback
        QCOMPARE(folder.contents(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
    }

    // A sub-folder holding a new name is asked about as a file is; going on,
    // the step fails, since no rename replaces a folder.
    void subFolderBearingANewName()
    {
        Folder folder({u"a.mp3"_s, u"b.mp3"_s});
        QDir(folder.dir.path()).mkdir(u"x.mp3"_s);
        folder.plan({u"a.mp3>x.mp3"_s, u"b.mp3>y.mp3"_s});
        folder.prompter.queueAnswers({true});
        QCOMPARE(folder.run(), RenameOutcome::StepFailed);
        QCOMPARE(folder.prompter.boxes.size(), 2);
        QVERIFY(folder.prompter.boxes[0].text.contains(u"d'un conflit"_s));
        QCOMPARE(folder.prompter.boxes[1].icon, MessageIcon::Critical);
        QCOMPARE(folder.contents(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
        QVERIFY(QFileInfo(folder.dir.filePath(u"x.mp3"_s)).isDir());
    }

    // Files that already bear their names: nothing is renamed or asked, and
    // the previous renaming stays undoable.
    void unchangedNamesRenameNothing()
    {
        Folder folder({u"a.mp3"_s, u"b.mp3"_s});
        folder.workspace.undoSet.push_back({u"old.mp3"_s, u"a.mp3"_s});
        folder.plan({u"a.mp3>a.mp3"_s, u"b.mp3>b.mp3"_s});
        QCOMPARE(folder.run(), RenameOutcome::Finished);
        QVERIFY(folder.prompter.boxes.isEmpty());
        QCOMPARE(folder.fileSystem.renames(), 0);
        QCOMPARE(folder.workspace.undoSet.size(), std::size_t(1));
        QCOMPARE(folder.workspace.undoSet[0].from, u"old.mp3"_s);
    }

    void thirdOfFourFails_data()
    {
        QTest::addColumn<bool>("rollBack");
        QTest::newRow("roll back") << true;
        QTest::newRow("keep") << false;
    }
    void thirdOfFourFails()
    {
        QFETCH(bool, rollBack);
        Folder folder({u"1.mp3"_s, u"2.mp3"_s, u"3.mp3"_s, u"4.mp3"_s});
        const RenameStep previous{u"0.mp3"_s, u"1.mp3"_s};
        folder.workspace.undoSet.push_back(previous);
        folder.fileSystem.failRename(2, FaultyFileSystem::Fault::AccessRefused);
        folder.plan({u"1.mp3>a.mp3"_s, u"2.mp3>b.mp3"_s, u"3.mp3>c.mp3"_s, u"4.mp3>d.mp3"_s});
        folder.prompter.queueAnswers({rollBack});
        QCOMPARE(folder.run(), RenameOutcome::StepFailed);
        QVERIFY(folder.lastMessage().contains(u"'3.mp3' en 'c.mp3'"_s));
        QCOMPARE(folder.prompter.boxes.last().icon, MessageIcon::Critical);
        if (rollBack) {
            QCOMPARE(folder.contents(), (QStringList{u"1.mp3=1.mp3"_s, u"2.mp3=2.mp3"_s,
                                                     u"3.mp3=3.mp3"_s, u"4.mp3=4.mp3"_s}));
            // The folder is as the previous renaming left it: still undoable.
            QCOMPARE(folder.workspace.undoSet.size(), std::size_t(1));
            QCOMPARE(folder.workspace.undoSet[0].from, previous.from);
        } else {
            QCOMPARE(folder.contents(), (QStringList{u"3.mp3=3.mp3"_s, u"4.mp3=4.mp3"_s,
                                                     u"a.mp3=1.mp3"_s, u"b.mp3=2.mp3"_s}));
            QCOMPARE(folder.workspace.undoSet.size(), std::size_t(2));
        }
        QCOMPARE(folder.fileSystem.renames(), rollBack ? 5 : 3); // row 4 never attempted
    }

    void firstRowFailingKeepsThePreviousUndo()
    {
        Folder folder({u"a.mp3"_s, u"b.mp3"_s});
        folder.plan({u"a.mp3>x.mp3"_s, u"b.mp3>y.mp3"_s});
        QCOMPARE(folder.run(), RenameOutcome::Finished);
        folder.fileSystem.failRename(2, FaultyFileSystem::Fault::InvalidName);
        folder.plan({u"x.mp3>p.mp3"_s, u"y.mp3>q.mp3"_s});
        QCOMPARE(folder.run(), RenameOutcome::StepFailed);
        QCOMPARE(folder.prompter.boxes.last().buttons, MessageButtons::Ok);
        folder.undo();
        QCOMPARE(folder.contents(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
    }

    void undoRestoresEveryName()
    {
        Folder folder({u"a.mp3"_s, u"b.mp3"_s});
        folder.plan({u"a.mp3>x.mp3"_s, u"b.mp3>y.mp3"_s});
        folder.run();
        folder.undo();
        QCOMPARE(folder.contents(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
        QVERIFY(folder.workspace.undoSet.empty());
        QVERIFY(folder.prompter.boxes.isEmpty());
        QCOMPARE(folder.prompter.busyDepth, 0);
    }

    void undoWithAFileDeletedOutside()
    {
        Folder folder({u"a.mp3"_s, u"b.mp3"_s});
        folder.plan({u"a.mp3>x.mp3"_s, u"b.mp3>y.mp3"_s});
        folder.run();
        QFile::remove(folder.dir.filePath(u"x.mp3"_s));
        QCOMPARE(folder.undo(), RenameOutcome::StepFailed);
        // Walked back from the last entry: y is restored; x is gone for good,
        // said, and not kept for an attempt that could not find it.
        QCOMPARE(folder.contents(), QStringList{u"b.mp3=b.mp3"_s});
        QCOMPARE(folder.lastMessage(),
                 u"Une erreur (%1) est survenue lors de l'annulation du renommage du fichier "
                 "'x.mp3' :\r\n\r\n\tce n'est plus le fichier renommé : il a été déplacé, "
                 "supprimé ou remplacé depuis, et il est laissé tel quel."_s.arg(ENOENT));
        QVERIFY(folder.workspace.undoSet.empty());
    }

    void undoCountsFilesAlreadyRestored()
    {
        // An undo interrupted after y, or y renamed back by hand.
        Folder folder({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s});
        folder.plan({u"a.mp3>x.mp3"_s, u"b.mp3>y.mp3"_s, u"c.mp3>z.mp3"_s});
        folder.run();
        QVERIFY(QFile::rename(folder.dir.filePath(u"y.mp3"_s), folder.dir.filePath(u"b.mp3"_s)));
        QCOMPARE(folder.undo(), RenameOutcome::Finished);
        QVERIFY(folder.prompter.boxes.isEmpty());
        QCOMPARE(folder.contents(),
                 (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s, u"c.mp3=c.mp3"_s}));
    }

    // Another run holding the folder, from a process with a runtime folder and
    // a home of its own, refuses the command until it is killed; a lock file
    // left where earlier versions kept them refuses nothing; a folder that
    // cannot be locked is refused for that reason.
    void busyFolderIsRefused_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("refusal"); // in the message; none: not refused
        QTest::newRow("another run") << u"run"_s << u"un autre processus"_s;
        QTest::newRow("a lock file left over") << u"file"_s << QString();
        QTest::newRow("a folder that cannot be read")
            << u"unreadable"_s << QString::fromLocal8Bit(strerror(EACCES));
    }
    void busyFolderIsRefused()
    {
        QFETCH(QString, cause);
        QFETCH(QString, refusal);
        Folder folder({u"a.mp3"_s});
        folder.workspace.undoSet.push_back({u"a.mp3"_s, u"z.mp3"_s});
        folder.plan({u"a.mp3>b.mp3"_s});
        const QByteArray path = QFile::encodeName(folder.dir.path());
        const QString leftover = leftoverLockFile(folder.dir.path());
        std::optional<OtherRun> otherRun;
        std::optional<AsOrdinaryUser> ordinaryUser;
        if (cause == u"run") {
            otherRun.emplace(folder.dir.path());
            QCOMPARE(otherRun->state(), u"locked"_s);
        } else if (cause == u"file") {
            WriteFile(leftover);
        } else {
            ::chmod(path.constData(), 0333); // its files may be renamed, but it cannot be opened
            ordinaryUser.emplace();
        }
        if (!refusal.isEmpty()) {
            QCOMPARE(folder.run(), RenameOutcome::Busy);
            QCOMPARE(folder.undo(), RenameOutcome::Busy);
        }
        otherRun.reset(); // killed: it lets go of nothing itself
        ordinaryUser.reset();
        ::chmod(path.constData(), 0700);
        if (!refusal.isEmpty()) {
            QCOMPARE(folder.prompter.boxes.size(), 2);
            QVERIFY(folder.lastMessage().contains(folder.dir.path()));
            QVERIFY2(folder.lastMessage().contains(refusal), qPrintable(folder.lastMessage()));
            QCOMPARE(folder.contents(), QStringList{u"a.mp3=a.mp3"_s});
            QCOMPARE(folder.workspace.undoSet.size(), std::size_t(1));
            QCOMPARE(folder.prompter.busyDepth, 0);
        }
        QCOMPARE(folder.run(), RenameOutcome::Finished);
        QFile::remove(leftover);
    }

    void conflictsCompareNamesAsTheListDoes_data()
    {
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<bool>("ignoresCase"); // the file system
        QTest::addColumn<int>("conflicts");
        const QString composed = u"caf\u00e9.mp3"_s;
        const QString decomposed = u"cafe\u0301.mp3"_s;
        QTest::newRow("same name") << u"t.mp3"_s << u"t.mp3"_s << false << 1;
        QTest::newRow("composed, decomposed on disk") << decomposed << composed << false << 1;
        QTest::newRow("decomposed, composed on disk") << composed << decomposed << false << 1;
        QTest::newRow("case only, the disk tells") << u"T.mp3"_s << u"t.mp3"_s << false << 0;
        QTest::newRow("case only, on a disk that ignores it")
            << u"T.mp3"_s << u"t.mp3"_s << true << 1;
        QTest::newRow("other name") << u"t.mp3"_s << u"u.mp3"_s << false << 0;
    }
    void conflictsCompareNamesAsTheListDoes()
    {
        QFETCH(QString, present);
        QFETCH(QString, newName);
        QFETCH(bool, ignoresCase);
        Folder folder({u"a.mp3"_s, present});
        folder.fileSystem.ignoresCase = ignoresCase;
        folder.plan({u"a.mp3>"_s + newName});
        QTEST(countConflicts(folder.dir.path(), renamePlan(folder.workspace), folder.fileSystem),
              "conflicts");
        // The list marks as taken the names the renaming finds taken.
        QStringList others;
        const QStringList files = folder.fileSystem.listFiles(folder.dir.path(), &others);
        const NameHolders holders(files, others, ignoresCase);
        QTEST(markNamesTaken(folder.workspace.fileRows, folder.workspace.nameRows, holders, false)
                  .taken,
              "conflicts");
    }

    // Chains and cycles run in an order that frees each name before it is
    // taken; "~" stands for the temporary name, "<>" for an exchange (where
    // the file system can: the test folders' can).
    void resolvablePlans_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("exchanges");
        QTest::addColumn<QStringList>("executed"); // empty: not resolvable
        QTest::newRow("chain") << QStringList{u"a"_s, u"b"_s} << QStringList{u"a>b"_s, u"b>c"_s}
                               << true << QStringList{u"b>c"_s, u"a>b"_s};
        QTest::newRow("two-cycle") << QStringList{u"a"_s, u"b"_s} << QStringList{u"a>b"_s, u"b>a"_s}
                                   << true << QStringList{u"a<>b"_s};
        QTest::newRow("two-cycle, no exchange")
            << QStringList{u"a"_s, u"b"_s} << QStringList{u"a>b"_s, u"b>a"_s} << false
            << QStringList{u"a>~"_s, u"b>a"_s, u"~>b"_s};
        QTest::newRow("three-cycle")
            << QStringList{u"a"_s, u"b"_s, u"c"_s} << QStringList{u"a>b"_s, u"b>c"_s, u"c>a"_s}
            << true << QStringList{u"a>~"_s, u"c>a"_s, u"b>c"_s, u"~>b"_s};
        QTest::newRow("a chain beside a cycle")
            << QStringList{u"a"_s, u"b"_s, u"x"_s, u"y"_s}
            << QStringList{u"x>y"_s, u"a>b"_s, u"y>z"_s, u"b>a"_s} << false
            << QStringList{u"y>z"_s, u"x>y"_s, u"a>~"_s, u"b>a"_s, u"~>b"_s};
        QTest::newRow("a chain beside an exchange")
            << QStringList{u"a"_s, u"b"_s, u"x"_s, u"y"_s}
            << QStringList{u"x>y"_s, u"b>a"_s, u"y>z"_s, u"a>b"_s} << true
            << QStringList{u"y>z"_s, u"x>y"_s, u"b<>a"_s};
        QTest::newRow("already in order, unchanged rows kept")
            << QStringList{u"a"_s, u"b"_s, u"k"_s} << QStringList{u"a>n"_s, u"k>k"_s, u"b>a"_s}
            << true << QStringList{u"a>n"_s, u"k>k"_s, u"b>a"_s};
        QTest::newRow("a new name taken from outside the plan")
            << QStringList{u"a"_s, u"b"_s, u"c"_s} << QStringList{u"a>b"_s, u"b>c"_s} << true
            << QStringList();
        QTest::newRow("a new name kept by an unchanged row")
            << QStringList{u"a"_s, u"k"_s} << QStringList{u"a>k"_s, u"k>k"_s} << true
            << QStringList();
    }
    void resolvablePlans()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, rows);
        QFETCH(bool, exchanges);
        QFETCH(QStringList, executed);
        Folder folder(files);
        folder.fileSystem.exchanges = exchanges;
        folder.plan(rows);
        const auto ordered =
            orderPlan(renamePlan(folder.workspace), folder.dir.path(), folder.fileSystem);
        QCOMPARE(ordered.has_value(), !executed.isEmpty());
        if (!ordered)
            return;
        QStringList steps;
        QString temporary;
        for (const RenameStep& step : ordered->steps) {
            for (const QString& name : {step.from, step.to})
                if (name.startsWith(u"tervane-"_s))
                    temporary = name;
            const QString shown = step.from + (step.isExchange() ? u"<>"_s : u">"_s) + step.to;
            steps << (temporary.isEmpty() ? shown : QString(shown).replace(temporary, u"~"_s));
        }
        QCOMPARE(steps, executed);
        // Run as ordered and undone, every file is where the rows say, then
        // back where it was.
        std::vector<RenameStep> undoSet;
        QCOMPARE(folder.command().run(ordered->steps, undoSet, true), RenameOutcome::Finished);
        QStringList expected;
        for (const QString& row : rows)
            expected << row.section(u'>', 1) + u'=' + row.section(u'>', 0, 0);
        for (const QString& file : files)
            if (!std::any_of(rows.begin(), rows.end(),
                             [&](const QString& row) { return row.startsWith(file + u'>'); }))
                expected << file + u'=' + file;
        expected.sort();
        QCOMPARE(folder.contents(), expected);
        QCOMPARE(folder.command().undo(undoSet), RenameOutcome::Finished);
        QStringList original;
        for (const QString& file : files)
            original << file + u'=' + file;
        original.sort();
        QCOMPARE(folder.contents(), original);
    }

    void chainIsFullyUndone()
    {
        Folder folder({u"a.mp3"_s, u"b.mp3"_s});
        folder.plan({u"b.mp3>c.mp3"_s, u"a.mp3>b.mp3"_s});
        folder.prompter.queueAnswers({true});
        folder.run();
        QCOMPARE(folder.contents(), (QStringList{u"b.mp3=a.mp3"_s, u"c.mp3=b.mp3"_s}));
        folder.undo();
        QCOMPARE(folder.contents(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
        QCOMPARE(folder.prompter.boxes.size(), 1); // only the conflict question
    }

    void rollbackGoesPastFailingEntries()
    {
        Folder folder({u"1.mp3"_s, u"2.mp3"_s, u"3.mp3"_s, u"4.mp3"_s, u"5.mp3"_s});
        folder.fileSystem.failRename(4, FaultyFileSystem::Fault::AccessRefused); // row 5
        folder.fileSystem.failRename(5, FaultyFileSystem::Fault::AccessRefused); // d back to 4
        folder.fileSystem.failRename(7, FaultyFileSystem::Fault::AccessRefused); // b back to 2
        folder.plan({u"1.mp3>a.mp3"_s, u"2.mp3>b.mp3"_s, u"3.mp3>c.mp3"_s, u"4.mp3>d.mp3"_s,
                     u"5.mp3>e.mp3"_s});
        folder.prompter.queueAnswers({true});
        QCOMPARE(folder.run(), RenameOutcome::StepFailed);
        QCOMPARE(folder.contents(),
                 (QStringList{u"1.mp3=1.mp3"_s, u"3.mp3=3.mp3"_s, u"5.mp3=5.mp3"_s,
                              u"b.mp3=2.mp3"_s, u"d.mp3=4.mp3"_s}));
        // One message for both, in the order of the set; both kept.
        QCOMPARE(folder.prompter.boxes.size(), 2);
        QVERIFY(folder.lastMessage().contains(u"l'annulation du renommage du fichier 'b.mp3'"_s));
        QVERIFY(folder.lastMessage().contains(
            u"Un autre fichier n'a pas pu retrouver son ancien nom :\r\n'd.mp3' (%1)"_s.arg(
                EACCES)));
        QCOMPARE(folder.workspace.undoSet.size(), std::size_t(2));
        QCOMPARE(folder.workspace.undoSet[0].to, u"b.mp3"_s);
        QCOMPARE(folder.workspace.undoSet[1].to, u"d.mp3"_s);
        QCOMPARE(folder.undo(), RenameOutcome::Finished);
        QCOMPARE(folder.contents(),
                 (QStringList{u"1.mp3=1.mp3"_s, u"2.mp3=2.mp3"_s, u"3.mp3=3.mp3"_s,
                              u"4.mp3=4.mp3"_s, u"5.mp3=5.mp3"_s}));
    }
};

QTEST_APPLESS_MAIN(TestRenameCommand)
#include "platform/PosixFileSystem.h"
#include "tst_renamecommand.moc"
