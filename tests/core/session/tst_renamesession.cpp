// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageFile.h"
#include "i18n/TranslationCatalogue.h"
#include "naming/NamePipeline.h"
#include "session/RenameSession.h"
#include "support/FaultyFileSystem.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

using namespace tervane;

using namespace Qt::StringLiterals;

// Random sequences of what a user does with one folder in the window (paste,
// edit, move, change options, list again, rename, undo), with faults
// injected, the program killed in the middle of a renaming and started
// again, and random answers, on real files whose content says which file
// each one is. After every edit the names are what a run from scratch makes;
// after every renaming each file bears the name shown beside it when the
// command was given; an undo, from the journal after a restart too, gives
// back the names the files had before. The number of sequences can be
// raised with TERVANE_SESSION_SEQUENCES.
class TestRenameSession : public QObject {
    Q_OBJECT

    using Folder = QMap<QString, QString>; // name -> content, every file

    struct Sequence {
        QTemporaryDir dir;
        QTemporaryDir journals;
        PosixFileSystem real;
        FaultyFileSystem fileSystem{real};
        ScriptedPrompter prompter;
        TranslationCatalogue texts = buildTranslationCatalogue(LanguageFile());
        // Started again in the same place after a kill.
        std::optional<RenameSession> running;
        RenameSession& session = running.emplace(fileSystem);
        const RenameWorkspace& workspace = session.workspace();
        TreatmentOptions options;
        QRandomGenerator random;
        std::optional<Folder> undoTarget; // the folder before the renaming the undo set holds
        int renamings = 0;
        int kills = 0;
        int interrupted = 0; // kills that left files renamed, for the journal to restore

        explicit Sequence(quint32 seed)
            : random(seed)
        {
            const int files = 1 + int(random.bounded(8));
            for (int i = 0; i < files; ++i)
                WriteFile(dir.filePath(u"f%1.mp3"_s.arg(i)), "file " + QByteArray::number(i));
            WriteFile(dir.filePath(u"other.txt"_s), "other");
            start();
        }

        // As the window starts: the folder listed, its journal read.
        RenameSession::LoadedJournal start()
        {
            session.keepJournal(journals.path());
            session.setPattern(u"*.mp3"_s);
            session.setFolder(dir.path());
            session.listFiles(false, false);
            return session.loadJournal(workspace.listedFolder);
        }

        quint32 below(quint32 n) { return random.bounded(n); }

        Folder folder() const
        {
            Folder found;
            for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
                found.insert(name, QString::fromUtf8(ReadFile(dir.filePath(name))));
            return found;
        }

        QString randomLine()
        {
            static const QStringList shapes{u"Tracklist:"_s,
                                            u""_s,
                                            u"%1. Song %1"_s,
                                            u"Été Indien %1 5:12"_s,
                                            u"37)1:23:45😀😀Intro"_s,
                                            u"same"_s,
                                            u"Title %1"_s,
                                            u"-- %1 --"_s,
                                            u"f%1"_s};
            QString line = shapes[below(quint32(shapes.size()))];
            return line.replace(u"%1"_s, QString::number(below(12)));
        }

        std::vector<bool> randomSelection()
        {
            std::vector<bool> selected(workspace.nameRows.size());
            for (auto&& flag : selected)
                flag = below(3) == 0;
            return selected;
        }

        void changeOptions()
        {
            switch (below(5)) {
            case 0:
                options.numbering = !options.numbering;
                break;
            case 1:
                options.removeEmptyLines = !options.removeEmptyLines;
                break;
            case 2:
                options.addString = !options.addString;
                options.addStringText = u"x"_s;
                break;
            case 3:
                options.dropOriginalExtension = below(4) == 0;
                break;
            default:
                options.removeDurations = !options.removeDurations;
            }
        }

        // One edit of the names, as the window makes it: only with files
        // listed, each followed by a run of the pipeline. False when there
        // was nothing to edit.
        bool edit()
        {
            if (workspace.fileRows.isEmpty())
                return false;
            const auto rows = workspace.nameRows.size();
            switch (below(6)) {
            case 0: {
                // Half the time a clean list that pairs with the files.
                const bool clean = below(2) == 0;
                QStringList lines;
                for (qsizetype i = 0, n = workspace.fileRows.size() + (clean ? 0 : below(3)); i < n;
                     ++i)
                    lines << (clean ? u"Song %1 %2"_s.arg(i).arg(below(3)) : randomLine());
                session.generateNames(options, lines);
                return true;
            }
            case 1:
                session.insertName(below(quint32(rows) + 1), randomLine());
                break;
            case 2:
                session.removeNames(randomSelection());
                break;
            case 3:
                if (rows == 0)
                    return false;
                session.modifyName(below(quint32(rows)), randomLine());
                break;
            case 4: {
                std::vector<bool> selected = randomSelection();
                const bool up = below(2) == 0;
                if (rows == 0 || selected[up ? 0 : rows - 1])
                    return false;
                session.moveNames(selected, up);
                break;
            }
            default:
                changeOptions();
            }
            session.generateNames(options);
            return true;
        }

        void checkRowsFromScratch() const
        {
            std::vector<NameRecord> fresh;
            for (const NameRecord& record : workspace.sourceRecords)
                fresh.push_back({record.sourceText});
            const std::vector<NameRow> expected =
                generateNameRows(fresh, options, workspace.fileRows);
            QCOMPARE(workspace.nameRows.size(), expected.size());
            for (std::size_t i = 0; i < expected.size(); ++i) {
                QCOMPARE(workspace.nameRows[i].text, expected[i].text);
                QCOMPARE(workspace.nameRows[i].record, expected[i].record);
            }
        }

        void checkNothingLost(const Folder& before, const Folder& after) const
        {
            QStringList was = before.values();
            QStringList is = after.values();
            was.sort();
            is.sort();
            QCOMPARE(is, was);
            // Every file row names a file that is there.
            for (const QString& row : workspace.fileRows)
                QVERIFY2(after.contains(row), qPrintable(row));
        }

        void rename()
        {
            if (!session.counterState().renameEnabled)
                return;
            ++renamings;
            const Folder before = folder();
            const QStringList files = workspace.fileRows;
            QStringList names;
            for (const NameRow& row : workspace.nameRows)
                names << row.text;
            const quint32 fault = below(6);
            if (fault < 3)
                fileSystem.failRename(fileSystem.renames() + int(below(quint32(files.size()) + 2)),
                                      fault == 0   ? FaultyFileSystem::Fault::AccessRefused
                                      : fault == 1 ? FaultyFileSystem::Fault::Killed
                                                   : FaultyFileSystem::Fault::KilledAfter);
            prompter.queueAnswers({below(2) == 0, below(2) == 0});
            RenameOutcome outcome = RenameOutcome::NotPossible;
            try {
                // The window plans by the folder as it is now; the command
                // line by the listing it has just made.
                const bool resolve = below(2) == 0;
                outcome = below(2) == 0
                              ? session.planAndRename(resolve, prompter, texts)
                              : session.rename(session.planRenaming(resolve), prompter, texts);
            } catch (const FaultyFileSystem::Killed&) {
                restartAfterKill(before);
                return;
            }
            if (fault == 1 || fault == 2) // a kill the run did not reach kills nothing later
                fileSystem.clearFaults();
            const Folder after = folder();
            checkNothingLost(before, after);
            for (qsizetype i = 0; i < files.size(); ++i) {
                // A file bears its own name, the one shown beside it, or, when
                // the run stopped in a cycle, a temporary one.
                const QString content = before[files[i]];
                const QString name = after.key(content);
                if (outcome == RenameOutcome::Finished) {
                    QCOMPARE(name, names[i]);
                    QCOMPARE(workspace.fileRows[i], names[i]);
                } else {
                    QVERIFY2(name == files[i] || name == names[i] || name.startsWith(u"tervane-"_s),
                             qPrintable(name));
                }
            }
            if (after != before)
                undoTarget = before;
        }

        // The program started again after a kill: nothing was lost, and the
        // journal of an interrupted run offers to give back the names the
        // files had before it (taken now or from Annuler later).
        void restartAfterKill(const Folder& before)
        {
            ++kills;
            fileSystem.clearFaults();
            prompter.clearAnswers();
            running.emplace(fileSystem);
            const RenameSession::LoadedJournal loaded = start();
            checkNothingLost(before, folder());
            QVERIFY(loaded.status == RenameSession::JournalLoad::Loaded ||
                    loaded.status == RenameSession::JournalLoad::Missing);
            if (!loaded.interrupted) {
                // Killed before its first rename: the previous renaming stands.
                QCOMPARE(folder(), before);
                return;
            }
            ++interrupted;
            undoTarget = before;
            if (below(2) == 0) {
                undo();
                QVERIFY2(!undoTarget, "the restore offered after a kill did not finish");
            }
        }

        void undo()
        {
            if (workspace.undoSet.empty())
                return;
            const Folder before = folder();
            const RenameOutcome outcome = session.undo(prompter, texts);
            const Folder after = folder();
            checkNothingLost(before, after);
            QVERIFY(undoTarget.has_value());
            if (outcome == RenameOutcome::Finished) {
                QCOMPARE(after, *undoTarget);
                QVERIFY(workspace.undoSet.empty());
                undoTarget.reset();
            }
        }
    };

private slots:
    void randomSequencesKeepRowsAndFilesPaired()
    {
        const int sequences = qEnvironmentVariableIntValue("TERVANE_SESSION_SEQUENCES") > 0
                                  ? qEnvironmentVariableIntValue("TERVANE_SESSION_SEQUENCES")
                                  : 300;
        int actions = 0;
        int renamings = 0;
        int kills = 0;
        int interrupted = 0;
        for (int seed = 1; seed <= sequences; ++seed) {
            Sequence sequence{quint32(seed)};
            for (int step = 0; step < 40; ++step, ++actions) {
                switch (sequence.below(10)) {
                case 0: // read again or not, the listing shows what the folder holds
                    sequence.session.listFiles(sequence.below(2) == 0, sequence.below(2) == 0);
                    sequence.checkNothingLost(sequence.folder(), sequence.folder());
                    break;
                case 1:
                case 2:
                    sequence.rename();
                    break;
                case 3:
                    sequence.undo();
                    break;
                default:
                    if (sequence.edit())
                        sequence.checkRowsFromScratch();
                }
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(u"sequence %1, action %2"_s.arg(seed).arg(step)));
            }
            renamings += sequence.renamings;
            kills += sequence.kills;
            interrupted += sequence.interrupted;
        }
        qInfo("%d sequences, %d actions, %d renamings, %d of them killed (%d with files renamed)",
              sequences, actions, renamings, kills, interrupted);
    }
};

QTEST_APPLESS_MAIN(TestRenameSession)
#include "tst_renamesession.moc"
