// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliApp.h"
#include "dialogs/RenamingHistory.h"
#include "mainwindow/MainWindow.h"
#include "options/OptionsPanel.h"
#include "platform/TagLibTags.h"
#include "session/RenameWorkspace.h"
#include "support/FaultyFileSystem.h"
#include "support/OtherRun.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tervane;

using namespace Qt::StringLiterals;

// The rename and undo buttons of the real main window on real files.
class TestRenaming : public QObject {
    Q_OBJECT

    struct Session {
        TestEnvironment env;
        FaultyFileSystem fileSystem{env.fileSystem};
        AppContext context = env.contextWith(fileSystem);
        std::unique_ptr<MainWindow> window;

        explicit Session(const QStringList& files)
        {
            QDir().mkpath(folder());
            for (const QString& file : files)
                WriteFile(folder() + u'/' + file, file.toUtf8());
            context.folderArgument = folder();
            start();
        }
        // The window started, or started again after it was closed or killed.
        void start()
        {
            window.reset();
            window = std::make_unique<MainWindow>(context);
            if (!window->load())
                qFatal("start-up failed");
            window->showAsLoaded();
        }
        // The command line, on the same folder, settings and journals.
        int cli(const QString& command, QStringList more = {})
        {
            if (!QFile::exists(env.settingsFile()))
                WriteFile(env.settingsFile(), "[Config]\n");
            WaitedTagReading tags;
            const std::unique_ptr<std::FILE, int (*)(std::FILE*)> nowhere(
                std::fopen("/dev/null", "w"), &std::fclose);
            return runCliCommand(QStringList{u"tervane-cli"_s, command, folder()} + more +
                                     QStringList{u"--settings"_s, env.settingsFile()},
                                 {env.fileSystem, tags, context.folders},
                                 {nowhere.get(), nowhere.get()});
        }
        QString folder() const { return env.path(u"music"_s); }
        QStringList onDisk() const
        {
            QStringList found;
            for (const QString& name : QDir(folder()).entryList(QDir::Files))
                found << name + u'=' + QString::fromUtf8(ReadFile(folder() + u'/' + name));
            return found;
        }
        QStringList fileRows() const
        {
            QStringList rows;
            const QAbstractItemModel* model = window->controls().fileList->model();
            for (int i = 0; i < model->rowCount(); ++i)
                rows << model->index(i, 0).data().toString();
            return rows;
        }
    };

private slots:
    // Swapped names: with the option, renamed without a question; without
    // it, the conflict question as before (answered No here).
    void swappedNames_data()
    {
        QTest::addColumn<bool>("resolve");
        QTest::newRow("option ticked") << true;
        QTest::newRow("option not ticked") << false;
    }
    void swappedNames()
    {
        QFETCH(bool, resolve);
        Session session({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s});
        session.window->controls().resolvePermutationsAction->setChecked(resolve);
        session.window->controls().optionsPanel->numberingBox->setChecked(false);
        session.window->dropText(u"b\nc\na"_s);
        session.env.prompter.queueAnswers({false});
        QTest::mouseClick(session.window->controls().renameButton, Qt::LeftButton);
        QCOMPARE(session.env.prompter.boxes.size(), resolve ? 0 : 1);
        const QStringList swapped{u"a.mp3=c.mp3"_s, u"b.mp3=a.mp3"_s, u"c.mp3=b.mp3"_s};
        const QStringList unchanged{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s, u"c.mp3=c.mp3"_s};
        QCOMPARE(session.onDisk(), resolve ? swapped : unchanged);
        if (!resolve)
            return;
        QTest::mouseClick(session.window->controls().undoButton, Qt::LeftButton);
        QCOMPARE(session.onDisk(),
                 (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s, u"c.mp3=c.mp3"_s}));
    }

    void renameThenUndo()
    {
        Session session({u"1.mp3"_s, u"2.mp3"_s, u"3.mp3"_s});
        session.window->dropText(u"Intro\nSong\nOutro"_s);
        QVERIFY(session.window->controls().renameButton->isEnabled());
        QVERIFY(!session.window->controls().undoButton->isEnabled());

        QTest::mouseClick(session.window->controls().renameButton, Qt::LeftButton);
        QCOMPARE(session.onDisk(), (QStringList{u"01 - Intro.mp3=1.mp3"_s, u"02 - Song.mp3=2.mp3"_s,
                                                u"03 - Outro.mp3=3.mp3"_s}));
        QCOMPARE(session.fileRows(),
                 (QStringList{u"01 - Intro.mp3"_s, u"02 - Song.mp3"_s, u"03 - Outro.mp3"_s}));
        QVERIFY(session.window->controls().undoButton->isEnabled());
        QVERIFY(session.env.prompter.boxes.isEmpty());
        QCOMPARE(session.window->controls().fileList->selectionModel()->selectedRows().size(), 0);

        QTest::mouseClick(session.window->controls().undoButton, Qt::LeftButton);
        QCOMPARE(session.onDisk(),
                 (QStringList{u"1.mp3=1.mp3"_s, u"2.mp3=2.mp3"_s, u"3.mp3=3.mp3"_s}));
        QCOMPARE(session.fileRows(), (QStringList{u"1.mp3"_s, u"2.mp3"_s, u"3.mp3"_s}));
        QVERIFY(!session.window->controls().undoButton->isEnabled());
        QCOMPARE(session.env.prompter.busyDepth, 0);
    }

    // Two renamings, one from the command line: the history undoes back to
    // the first after one confirmation, and Rétablir redoes them in order.
    void historyUndoesBackThenRedoes()
    {
        Session session({u"a.mp3"_s, u"b.mp3"_s});
        session.window->controls().optionsPanel->numberingBox->setChecked(false);
        session.window->dropText(u"c\nd"_s);
        QTest::mouseClick(session.window->controls().renameButton, Qt::LeftButton);
        QCOMPARE(session.cli(u"rename"_s, {u"--template"_s, u"e[NUM]"_s}), 0);
        QVERIFY(!session.window->controls().redoAction->isEnabled());
        session.env.prompter.queueAnswers({true});
        QStringList rows;
        QTimer::singleShot(0, [&rows] {
            auto* dialog = dynamic_cast<RenamingHistory*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            for (int i = 0; i < dialog->entryList->count(); ++i)
                rows << dialog->entryList->item(i)->text();
            dialog->entryList->setCurrentRow(1);
            dialog->undoButton->click();
        });
        session.window->controls().historyAction->trigger();
        QCOMPARE(rows.size(), 2);
        QVERIFY2(rows[1].contains(u"fenêtre — 2 fichiers — a.mp3 → c.mp3, b.mp3 → d.mp3"_s),
                 qPrintable(rows[1]));
        QVERIFY2(rows[0].contains(u"ligne de commande"_s), qPrintable(rows[0]));
        QCOMPARE(session.env.prompter.boxes.size(), 1); // the one confirmation
        QCOMPARE(session.onDisk(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
        QVERIFY(!session.window->controls().undoButton->isEnabled());
        QVERIFY(session.window->controls().redoAction->isEnabled());
        session.window->controls().redoAction->trigger();
        QCOMPARE(session.onDisk(), (QStringList{u"c.mp3=a.mp3"_s, u"d.mp3=b.mp3"_s}));
        QVERIFY(session.window->controls().undoButton->isEnabled());
        session.window->controls().redoAction->trigger();
        QCOMPARE(session.onDisk(), (QStringList{u"01 - e01.mp3=a.mp3"_s, u"02 - e02.mp3=b.mp3"_s}));
        QVERIFY(!session.window->controls().redoAction->isEnabled());
    }

    // Names that re-sort after their renaming wait beside files they were
    // not made for: Renommer says why and renames nothing, whatever reads
    // the folder between; an undo that brings the files back to their order
    // makes the names theirs again, each file getting its own.
    void namesGoOnlyToTheirFiles_data()
    {
        QTest::addColumn<QString>("between");
        QTest::newRow("a key in the pattern box") << u"pattern"_s;
        QTest::newRow("Rafraîchir") << u"refresh"_s;
        QTest::newRow("Tri numérique") << u"numeric"_s;
        QTest::newRow("a restart") << u"restart"_s;
        QTest::newRow("names pasted again from the files") << u"paste"_s;
    }
    void namesGoOnlyToTheirFiles()
    {
        QFETCH(QString, between);
        Session session(
            {u"a1.mp3"_s, u"a2.mp3"_s, u"a3.mp3"_s, u"a4.mp3"_s, u"a5.mp3"_s, u"a6.mp3"_s});
        MainWindow* window = session.window.get();
        window->controls().optionsPanel->numberingBox->setChecked(false);
        window->dropText(u"zeta\nepsilon\ndelta\ngamma\nbeta\nalpha"_s);
        window->controls().renameButton->click();
        const QStringList renamed{u"alpha.mp3=a6.mp3"_s, u"beta.mp3=a5.mp3"_s,
                                  u"delta.mp3=a3.mp3"_s, u"epsilon.mp3=a2.mp3"_s,
                                  u"gamma.mp3=a4.mp3"_s, u"zeta.mp3=a1.mp3"_s};
        QCOMPARE(session.onDisk(), renamed);
        // Read again, the files sort otherwise than the names.
        QCOMPARE(session.fileRows().first(), u"alpha.mp3"_s);
        const QString why = u"Ces noms ont été faits pour une autre liste de fichiers"_s;
        QVERIFY(!window->controls().renameButton->isEnabled());
        QVERIFY(window->controls().renameButton->toolTip().startsWith(why));
        QVERIFY(window->controls().nameCountValue->toolTip().startsWith(why));
        const QModelIndex firstName = window->controls().nameList->model()->index(0, 0);
        QVERIFY(firstName.data(Qt::FontRole).value<QFont>().italic());
        QVERIFY(firstName.data(Qt::ToolTipRole).toString().startsWith(why));
        window->controls().renameButton->click();
        QCOMPARE(session.onDisk(), renamed);

        if (between == u"pattern")
            window->controls().optionsPanel->patternsEdit->setText(u"*.mp3;*.ogg"_s);
        else if (between == u"refresh")
            window->controls().refreshButton->click();
        else if (between == u"numeric")
            window->controls().numericSortBox->click();
        else if (between == u"restart")
            session.start();
        else
            window->runNamePipeline(NameSource::FileNames);
        window = session.window.get();
        window->controls().undoButton->click();
        const QStringList first{u"a1.mp3=a1.mp3"_s, u"a2.mp3=a2.mp3"_s, u"a3.mp3=a3.mp3"_s,
                                u"a4.mp3=a4.mp3"_s, u"a5.mp3=a5.mp3"_s, u"a6.mp3=a6.mp3"_s};
        QCOMPARE(session.onDisk(), first);
        QCOMPARE(session.fileRows().first(), u"a1.mp3"_s);
        QVERIFY(session.env.prompter.boxes.isEmpty());
        if (between == u"restart") { // no names any more
            QVERIFY(!window->controls().renameButton->isEnabled());
            return;
        }
        // Names pasted from the renamed files were made for them in that
        // order: now beside other files.
        QCOMPARE(window->controls().renameButton->isEnabled(), between != u"paste");
        QCOMPARE(window->controls()
                     .nameList->model()
                     ->index(0, 0)
                     .data(Qt::FontRole)
                     .value<QFont>()
                     .italic(),
                 between == u"paste");
        window->controls().renameButton->click();
        QCOMPARE(session.onDisk(), between == u"paste" ? first : renamed);
    }

    // After Renommer and Annuler the folder is read again: a file another
    // program added is listed, and the names it holds are marked taken.
    void folderReadAgainAfterRenamingAndUndo()
    {
        Session session({u"a.mp3"_s, u"b.mp3"_s});
        MainWindow* window = session.window.get();
        window->controls().optionsPanel->numberingBox->setChecked(false);
        window->dropText(u"x\ny"_s);
        WriteFile(session.folder() + u"/late.mp3"_s, "late");
        window->controls().renameButton->click();
        QCOMPARE(session.fileRows(), (QStringList{u"late.mp3"_s, u"x.mp3"_s, u"y.mp3"_s}));
        QCOMPARE(window->controls().fileCountValue->text(), u"3"_s);
        WriteFile(session.folder() + u"/later.mp3"_s, "later");
        window->controls().undoButton->click();
        QCOMPARE(session.fileRows(),
                 (QStringList{u"a.mp3"_s, u"b.mp3"_s, u"late.mp3"_s, u"later.mp3"_s}));
        window->dropText(u"b\nc\nd\ne"_s);
        QCOMPARE(window->controls().nameCountValue->toolTip(),
                 u"Un nouveau nom est déjà pris dans le dossier."_s);
    }

    // The question counts every new name an entry of the folder holds, as
    // the marks do: sub-folders too.
    void conflictQuestionCountsWhatTheMarksShow()
    {
        Session session({u"a.wma"_s, u"b.wma"_s, u"c.wma"_s});
        QDir(session.folder()).mkdir(u"01 - Un.mp3"_s);
        QDir(session.folder()).mkdir(u"03 - Trois.mp3"_s);
        WriteFile(session.folder() + u"/02 - Deux.mp3"_s); // not listed
        MainWindow* window = session.window.get();
        window->controls().optionsPanel->patternsEdit->setText(u"*.wma"_s);
        window->controls().optionsPanel->dropExtensionBox->setChecked(true);
        window->controls().refreshButton->click();
        window->dropText(u"Un.mp3\nDeux.mp3\nTrois.mp3"_s);
        QCOMPARE(window->controls().nameCountValue->toolTip(),
                 u"3 nouveaux noms sont déjà pris dans le dossier."_s);
        session.env.prompter.queueAnswers({false});
        window->controls().renameButton->click();
        QCOMPARE(session.env.prompter.boxes.size(), 1);
        QVERIFY2(session.env.prompter.boxes[0].text.contains(u" 3 nouveaux noms"_s),
                 qPrintable(session.env.prompter.boxes[0].text));
    }

    // A name in Windows-1252 bytes is shown decoded and marked; its own name
    // pasted and renamed makes it UTF-8, and the undo gives its bytes back.
    void nameThatIsNotUtf8()
    {
        Session session({u"a.mp3"_s});
        const QByteArray folder = QFile::encodeName(session.folder());
        ::close(::open((folder + "/Caf\xe9.mp3").constData(), O_CREAT | O_WRONLY, 0644));
        session.window->refreshFileList(true);
        const QModelIndex row = session.window->controls().fileList->model()->index(1, 0);
        QCOMPARE(row.data().toString(), u"Café.mp3"_s);
        QVERIFY(row.data(Qt::FontRole).value<QFont>().italic());
        QCOMPARE(row.data(Qt::ToolTipRole).toString(), u"nom de fichier non UTF-8"_s);
        session.window->runNamePipeline(NameSource::FileNames);
        session.window->controls().renameButton->click();
        QCOMPARE(QDir(session.folder()).entryList(QDir::Files),
                 (QStringList{u"01 - a.mp3"_s, u"02 - Café.mp3"_s}));
        session.window->controls().undoButton->click();
        struct stat info {};
        QCOMPARE(::stat((folder + "/Caf\xe9.mp3").constData(), &info), 0);
    }

    // A header line pasted with the list and deleted: the numbers and the
    // extensions follow the rows that move up.
    void deletedHeaderLine()
    {
        Session session({u"1.mp3"_s, u"2.wma"_s, u"3.mp3"_s});
        session.window->dropText(u"Tracklist:\nOne\nTwo\nThree"_s);
        QTreeView* names = session.window->controls().nameList;
        names->selectionModel()->select(names->model()->index(0, 0),
                                        QItemSelectionModel::ClearAndSelect);
        session.window->nameListEditor().deleteSelectedNames();
        session.window->controls().renameButton->click();
        QCOMPARE(session.onDisk(), (QStringList{u"01 - One.mp3=1.mp3"_s, u"02 - Two.wma=2.wma"_s,
                                                u"03 - Three.mp3=3.mp3"_s}));
    }

    // One front end undoes the other's renaming, the window after a restart.
    void undoAcrossFrontEnds_data()
    {
        QTest::addColumn<bool>("windowRenames");
        QTest::newRow("window renames, command line undoes") << true;
        QTest::newRow("command line renames, window undoes") << false;
    }
    void undoAcrossFrontEnds()
    {
        QFETCH(bool, windowRenames);
        Session session({u"1.mp3"_s, u"2.mp3"_s});
        const QStringList renamed{u"01 - One.mp3=1.mp3"_s, u"02 - Two.mp3=2.mp3"_s};
        if (windowRenames) {
            session.window->dropText(u"One\nTwo"_s);
            session.window->controls().renameButton->click();
        } else {
            const QString names = WriteFile(session.env.path(u"names.txt"_s), "One\nTwo\n");
            QCOMPARE(session.cli(u"rename"_s, {u"--names"_s, names}), 0);
            session.start();
        }
        QCOMPARE(session.onDisk(), renamed);
        if (windowRenames) {
            QCOMPARE(session.cli(u"undo"_s), 0);
            QVERIFY(
                session.window->controls().undoButton->isEnabled()); // the window does not know yet
            session.window->controls()
                .undoButton->click(); // nothing left: said, and the folder read again
            QCOMPARE(session.env.prompter.boxes.size(), 1);
            QVERIFY(session.env.prompter.boxes[0].text.startsWith(
                u"Il n'y a plus de renommage à annuler"_s));
            QCOMPARE(session.fileRows(), (QStringList{u"1.mp3"_s, u"2.mp3"_s}));
            session.env.prompter.boxes.clear();
        } else {
            QVERIFY(session.window->controls().undoButton->isEnabled());
            session.window->controls().undoButton->click();
            QCOMPARE(session.cli(u"undo"_s), 3); // nothing left to undo
        }
        QCOMPARE(session.onDisk(), (QStringList{u"1.mp3=1.mp3"_s, u"2.mp3=2.mp3"_s}));
        QVERIFY(!session.window->controls().undoButton->isEnabled());
        QVERIFY(session.env.prompter.boxes.isEmpty());
    }

    // A window killed in the middle of a renaming: the next start offers to
    // give the files their names back, at once or from Annuler.
    void killedRenamingIsOfferedAtTheNextStart_data()
    {
        QTest::addColumn<bool>("restoreAtOnce");
        QTest::addColumn<FaultyFileSystem::Fault>("kill");
        QTest::newRow("at once") << true << FaultyFileSystem::Fault::Killed;
        QTest::newRow("later, from Annuler") << false << FaultyFileSystem::Fault::KilledAfter;
    }
    void killedRenamingIsOfferedAtTheNextStart()
    {
        QFETCH(bool, restoreAtOnce);
        QFETCH(FaultyFileSystem::Fault, kill);
        Session session({u"1.mp3"_s, u"2.mp3"_s, u"3.mp3"_s});
        session.window->dropText(u"One\nTwo\nThree"_s);
        session.fileSystem.failRename(1, kill);
        QVERIFY_THROWS_EXCEPTION(FaultyFileSystem::Killed, session.window->renameClicked());
        QCOMPARE(session.onDisk().first(), u"01 - One.mp3=1.mp3"_s);
        session.env.prompter.queueAnswers({restoreAtOnce});
        session.start();
        QCOMPARE(session.env.prompter.boxes.size(), 1);
        QVERIFY(session.env.prompter.boxes[0].text.contains(u"interrompu"_s));
        if (!restoreAtOnce) {
            QCOMPARE(session.onDisk().first(), u"01 - One.mp3=1.mp3"_s);
            session.window->controls().undoButton->click();
        }
        QCOMPARE(session.onDisk(),
                 (QStringList{u"1.mp3=1.mp3"_s, u"2.mp3=2.mp3"_s, u"3.mp3=3.mp3"_s}));
        QVERIFY(!session.window->controls().undoButton->isEnabled());
    }

    // A file moved away after the renaming, the window started again or not:
    // the others are restored, the one gone is said and left alone for good
    // (no later attempt could find it). A folder put in the place of the one
    // renamed is refused, shown, and its journal kept for the real one.
    void undoLeavesAloneWhatWentAway_data()
    {
        QTest::addColumn<bool>("restart");
        QTest::addColumn<bool>("wholeFolder");
        QTest::newRow("same window") << false << false;
        QTest::newRow("after a restart") << true << false;
        QTest::newRow("the folder replaced") << false << true;
    }
    void undoLeavesAloneWhatWentAway()
    {
        QFETCH(bool, restart);
        QFETCH(bool, wholeFolder);
        Session session({u"1.mp3"_s, u"2.mp3"_s});
        session.window->dropText(u"One\nTwo"_s);
        session.window->controls().renameButton->click();
        const QString moved = session.env.path(u"moved"_s);
        if (wholeFolder) {
            QVERIFY(QDir().rename(session.folder(), moved));
            QVERIFY(QDir().mkdir(session.folder()));
            WriteFile(session.folder() + u"/01 - One.mp3"_s, "newcomer");
        } else {
            QVERIFY(QFile::rename(session.folder() + u"/01 - One.mp3"_s, moved));
        }
        if (restart)
            session.start();
        session.window->controls().undoButton->click();
        QCOMPARE(session.env.prompter.boxes.size(), 1);
        QVERIFY(!session.window->controls().undoButton->isEnabled());
        if (wholeFolder) {
            QVERIFY(session.env.prompter.boxes[0].text.contains(u"remplacé"_s));
            QCOMPARE(session.onDisk(), QStringList{u"01 - One.mp3=newcomer"_s});
            QCOMPARE(session.window->controls().fileList->model()->rowCount(),
                     1); // the folder as it is now
            QVERIFY(QDir(session.folder()).removeRecursively() &&
                    QDir().rename(moved, session.folder()));
            session.start();
            session.window->controls().undoButton->click();
            QCOMPARE(session.onDisk(), (QStringList{u"1.mp3=1.mp3"_s, u"2.mp3=2.mp3"_s}));
            return;
        }
        QVERIFY(session.env.prompter.boxes[0].text.contains(u"'01 - One.mp3'"_s));
        QVERIFY(!session.env.prompter.boxes[0].text.contains(u"nouvelle annulation"_s));
        QCOMPARE(session.onDisk(), QStringList{u"2.mp3=2.mp3"_s});
    }

    void declinedConflictChangesNothing()
    {
        Session session({u"a.mp3"_s, u"b.mp3"_s});
        session.window->dropText(u"b\nz"_s);
        // Numbering off: a.mp3 -> b.mp3 is taken by the second file.
        session.window->controls().settingsButton->click();
        session.window->findChild<QWidget*>(u"chkNumérotation"_s)->setProperty("checked", false);
        session.env.prompter.queueAnswers({false});
        session.window->controls().renameButton->click();
        QCOMPARE(session.env.prompter.boxes.size(), 1);
        QCOMPARE(session.onDisk(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
        QVERIFY(!session.window->controls().undoButton->isEnabled());
    }

    // No other run comes between the window's plan and the end of its
    // renaming: one started as the window plans, renames or reads the folder
    // again finds the folder busy. While another run holds the folder, the
    // window renames and undoes nothing.
    void otherRunsWaitForTheWindow()
    {
        Session session({u"a.mp3"_s, u"b.mp3"_s});
        session.window->controls().resolvePermutationsAction->setChecked(true);
        session.window->dropText(u"One\nTwo"_s);
        // What runs started whenever the window asks about files get.
        const auto seenByOtherRuns = [&](QPushButton* button) {
            QStringList seen;
            session.fileSystem.whenAsked = [&] { seen << OtherRun(session.folder()).state(); };
            button->click();
            session.fileSystem.whenAsked = nullptr;
            seen.removeDuplicates();
            return seen;
        };
        QCOMPARE(seenByOtherRuns(session.window->controls().renameButton), QStringList{u"busy"_s});
        const QStringList renamed{u"01 - One.mp3=a.mp3"_s, u"02 - Two.mp3=b.mp3"_s};
        QCOMPARE(session.onDisk(), renamed);

        OtherRun otherRun(session.folder());
        QCOMPARE(otherRun.state(), u"locked"_s);
        session.window->dropText(u"Three\nFour"_s);
        session.window->controls().renameButton->click();
        session.window->controls().undoButton->click();
        QCOMPARE(session.env.prompter.boxes.size(), 2);
        for (const auto& box : std::as_const(session.env.prompter.boxes))
            QVERIFY(box.text.contains(session.folder()));
        QCOMPARE(session.onDisk(), renamed);
        otherRun.kill();
        QCOMPARE(seenByOtherRuns(session.window->controls().undoButton), QStringList{u"busy"_s});
        QCOMPARE(session.onDisk(), (QStringList{u"a.mp3=a.mp3"_s, u"b.mp3=b.mp3"_s}));
    }

    // A folder listed through a link that is pointed elsewhere before the
    // click: the folder listed is the one renamed.
    void folderThroughALinkChangedMeanwhile()
    {
        Session session({u"a.mp3"_s});
        const QString link = session.env.path(u"link"_s);
        const QString other = session.env.path(u"other"_s);
        WriteFile(other + u"/a.mp3"_s, "other");
        QVERIFY(QFile::link(session.folder(), link));
        session.window->controls().folderEdit->setText(link);
        session.window->dropText(u"One"_s);
        session.fileSystem.whenAsked = [&] {
            if (QFileInfo(link).symLinkTarget() == session.folder())
                QVERIFY(QFile::remove(link) && QFile::link(other, link));
        };
        session.window->controls().renameButton->click();
        QCOMPARE(session.onDisk(), QStringList{u"01 - One.mp3=a.mp3"_s});
        QCOMPARE(QDir(other).entryList(QDir::Files), QStringList{u"a.mp3"_s});
    }

    // Annuler follows the folder shown: another one has its own journal (none
    // here), and the first one shown again brings its renaming back.
    void undoFollowsTheFolderShown()
    {
        Session session({u"1.mp3"_s});
        session.window->dropText(u"One"_s);
        session.window->controls().renameButton->click();
        QVERIFY(session.window->controls().undoButton->isEnabled());
        QDir().mkpath(session.env.path(u"other"_s));
        WriteFile(session.env.path(u"other/x.mp3"_s));
        session.window->controls().folderEdit->setText(session.env.path(u"other"_s));
        QVERIFY(!session.window->controls().undoButton->isEnabled());
        QVERIFY(session.window->workspace().undoSet.empty());
        session.window->controls().folderEdit->setText(session.folder());
        QVERIFY(session.window->controls().undoButton->isEnabled());
        session.window->controls().undoButton->click();
        QCOMPARE(session.onDisk(), QStringList{u"1.mp3=1.mp3"_s});
    }
};

QTEST_MAIN(TestRenaming)
#include "tst_renaming.moc"
