// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageFile.h"
#include "i18n/TranslationCatalogue.h"
#include "naming/NamePipeline.h"
#include "session/RenameSession.h"
#include "session/RenameWorkspace.h"
#include "support/FaultyFileSystem.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

using namespace tervane;

using namespace Qt::StringLiterals;

// Random sequences of what a user does with one folder in the window (paste,
// edit, move, change options, clear, list again with another pattern or
// order, rename, undo, start again), of what another program does to the
// folder meanwhile (files added, removed, renamed), with faults injected,
// the program killed in the middle of a renaming and started again, and
// random answers, on real files whose content says which file each one is.
// After every edit the names are what a run from scratch makes; at every
// renaming each file gets either nothing or the name the user's last action
// on the names made for that very file (the one shown beside it then); an
// undo, from the journal after a restart too, gives back the names the
// files had before. Undos walk the folder's history, several renamings at
// once too, killed halfway and resumed; undos are redone, the last first. The number
// of sequences can be raised with TERVANE_SESSION_SEQUENCES.
class TestRenameSession : public QObject {
    Q_OBJECT

    using Folder = QMap<QString, QString>; // name -> content, every file

    struct Tally {
        int renamings = 0;
        int finished = 0;
        int refused = 0; // clicks on Renommer while the names were for other files
        int kills = 0;
        int interrupted = 0; // kills that left files renamed, for the journal to restore
        int othersActed = 0;
        int undos = 0;
        int deepUndos = 0;      // of several renamings at once
        int undoKills = 0;      // undos killed, then resumed
        int undosLeftAlone = 0; // undos that left files changed behind their back
        int redos = 0;
        int redosRefused = 0; // files no longer where the undo left them
    };

    // A renaming the history keeps: the folder before it.
    struct Level {
        Folder target;
        bool changed = false; // another program acted since
    };

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
        // Read afresh: a session started again keeps its state elsewhere.
        const RenameWorkspace& workspace() const { return session.workspace(); }
        TreatmentOptions options;
        QRandomGenerator random;
        // The renamings the history keeps, oldest first, and how many it keeps.
        QList<Level> levels;
        int historyLength = 20;
        // The folders before the undos a redo gives back, the one undone
        // last at the end (none where the model cannot tell it exactly).
        QList<std::optional<Folder>> redoTargets;
        QStringList contents; // every file's content, as the folder should hold them
        // The file each row showed at the last listing (its content; empty
        // for none), and the name the user's last action on the names made
        // for each file.
        QStringList rowContents;
        QMap<QString, QString> madeFor;
        bool numeric = false;
        bool rowsCurrent = true; // no other program acted since the last reading
        Tally& tally;            // of every sequence

        Sequence(quint32 seed, Tally& total)
            : random(seed)
            , tally(total)
        {
            historyLength = below(2) == 0 ? 2 + int(below(3)) : 20;
            const int files = 1 + int(random.bounded(8));
            for (int i = 0; i < files; ++i)
                add(u"f%1.mp3"_s.arg(i), u"file %1"_s.arg(i));
            add(u"other.txt"_s, u"other"_s);
            start();
        }

        void add(const QString& name, const QString& content)
        {
            WriteFile(dir.filePath(name), content.toUtf8());
            contents << content;
        }

        // As the window starts: the folder listed, its journal read. The
        // files the rows show are noted at every listing, and as they follow
        // a renaming.
        RenameSession::LoadedJournal start()
        {
            madeFor.clear();
            QObject::connect(&session, &RenameSession::filesChanged, &session, [this] {
                const Folder now = folder();
                rowContents.clear();
                for (const QString& row : workspace().fileRows)
                    rowContents << now.value(row);
            });
            session.readFileBirths();
            session.keepJournal(journals.path());
            session.setHistoryLength(historyLength);
            session.setPattern(u"*.mp3"_s);
            session.setFolder(dir.path());
            session.listFiles(false, numeric);
            return session.loadJournal(workspace().listedFolder);
        }

        // The user made or changed the names beside the files shown.
        void namesMade()
        {
            madeFor.clear();
            for (qsizetype i = 0;
                 i < rowContents.size() && i < qsizetype(workspace().nameRows.size()); ++i)
                if (!rowContents[i].isEmpty())
                    madeFor.insert(rowContents[i], workspace().nameRows[std::size_t(i)].text);
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
            std::vector<bool> selected(workspace().nameRows.size());
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
            if (workspace().fileRows.isEmpty())
                return false;
            const auto rows = workspace().nameRows.size();
            switch (below(7)) {
            case 0: {
                // Half the time a clean list that pairs with the files.
                const bool clean = below(2) == 0;
                QStringList lines;
                for (qsizetype i = 0, n = workspace().fileRows.size() + (clean ? 0 : below(3));
                     i < n; ++i)
                    lines << (clean ? u"Song %1 %2"_s.arg(i).arg(below(3)) : randomLine());
                session.generateNames(options, lines);
                namesMade();
                return true;
            }
            case 6:
                session.clearNames();
                namesMade();
                return true;
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
            namesMade();
            return true;
        }

        // A reading of the folder between two actions, as a refresh, a key
        // in the pattern box or Tri numérique make it.
        void listAgain()
        {
            switch (below(3)) {
            case 0:
                session.listFiles(true, numeric);
                rowsCurrent = true;
                break;
            case 1:
                session.setPattern(below(2) == 0 ? u"*.mp3"_s : u"*.mp3;*.txt"_s);
                session.listFiles(false, numeric);
                break;
            default:
                numeric = !numeric;
                session.listFiles(false, numeric);
            }
        }

        // Another program adds, removes, renames or replaces a file of the
        // folder (one in its place under its name: the system may give it
        // the identity of the one removed).
        void otherProgramActs()
        {
            ++tally.othersActed;
            for (Level& level : levels)
                level.changed = true;
            for (std::optional<Folder>& target : redoTargets)
                target.reset();
            rowsCurrent = false;
            const QStringList names = folder().keys();
            const QString name =
                names.isEmpty() ? QString() : names[qsizetype(below(quint32(names.size())))];
            const QString somewhere = below(2) == 0
                                          ? u"f%1.mp3"_s.arg(below(10))
                                          : u"Song %1 %2.mp3"_s.arg(below(8)).arg(below(3));
            switch (name.isEmpty() ? 0 : below(4)) {
            case 0:
                if (!QFile::exists(dir.filePath(somewhere)))
                    add(somewhere, u"added %1"_s.arg(tally.othersActed));
                break;
            case 1:
            case 2:
                contents.removeOne(folder().value(name));
                QVERIFY(QFile::remove(dir.filePath(name)));
                if (below(2) == 0)
                    add(name, u"added %1"_s.arg(tally.othersActed));
                break;
            default:
                QFile::rename(dir.filePath(name), dir.filePath(somewhere));
            }
        }

        void checkRowsFromScratch() const
        {
            std::vector<NameRecord> fresh;
            for (const NameRecord& record : workspace().sourceRecords)
                fresh.push_back({record.sourceText});
            const std::vector<NameRow> expected =
                generateNameRows(fresh, options, workspace().fileRows);
            QCOMPARE(workspace().nameRows.size(), expected.size());
            for (std::size_t i = 0; i < expected.size(); ++i) {
                QCOMPARE(workspace().nameRows[i].text, expected[i].text);
                QCOMPARE(workspace().nameRows[i].record, expected[i].record);
            }
        }

        // Every file is there, and, read since another program acted, every
        // file row names one.
        void checkNothingLost() const
        {
            const Folder now = folder();
            QStringList was = contents;
            QStringList is = now.values();
            was.sort();
            is.sort();
            QCOMPARE(is, was);
            if (rowsCurrent)
                for (const QString& row : workspace().fileRows)
                    QVERIFY2(now.contains(row), qPrintable(row));
        }

        // At a renaming, each file got nothing or the name made for it; all
        // of them theirs when it finished.
        void checkNamesWentToTheirFiles(const Folder& before, RenameOutcome outcome) const
        {
            const Folder after = folder();
            for (auto file = before.cbegin(); file != before.cend(); ++file) {
                const QString name = after.key(file.value());
                if (name == file.key())
                    continue;
                if (outcome != RenameOutcome::Finished && name.startsWith(u"tervane-"_s))
                    continue; // a cycle stopped halfway
                QVERIFY2(madeFor.contains(file.value()) && madeFor[file.value()] == name,
                         qPrintable(u"%1 (%2) became %3, made for it: %4"_s.arg(
                             file.key(), file.value(), name, madeFor.value(file.value()))));
            }
            if (outcome == RenameOutcome::Finished)
                for (auto file = madeFor.cbegin(); file != madeFor.cend(); ++file)
                    if (before.key(file.key()) != QString())
                        QCOMPARE(after.key(file.key()), file.value());
        }

        // Renommer as the window clicks it (the plan by the folder as it is
        // now), or a command line run (a fresh listing, names pasted, the
        // plan by that listing). A click while the names wait for other
        // files renames nothing.
        void rename()
        {
            const bool window = below(3) != 0;
            if (!window) {
                session.listFiles(true, numeric);
                rowsCurrent = true;
                QStringList lines;
                for (qsizetype i = 0; i < workspace().fileRows.size(); ++i)
                    lines << u"Song %1 %2"_s.arg(i).arg(below(3));
                session.generateNames(options, lines);
                namesMade();
            }
            const bool forOtherFiles = session.namesForOtherFiles();
            if (!session.counterState().renameEnabled && !forOtherFiles)
                return;
            ++tally.renamings;
            const Folder before = folder();
            const qint64 startedAt = timeNow();
            const quint32 fault = below(6);
            if (fault < 3)
                fileSystem.failRename(fileSystem.renames() +
                                          int(below(quint32(workspace().fileRows.size()) + 2)),
                                      fault == 0   ? FaultyFileSystem::Fault::AccessRefused
                                      : fault == 1 ? FaultyFileSystem::Fault::Killed
                                                   : FaultyFileSystem::Fault::KilledAfter);
            prompter.queueAnswers({below(2) == 0, below(2) == 0});
            RenameOutcome outcome = RenameOutcome::NotPossible;
            try {
                const bool resolve = below(2) == 0;
                outcome = window ? session.planAndRename(resolve, prompter, texts)
                                 : session.rename(session.planRenaming(resolve), prompter, texts);
            } catch (const FaultyFileSystem::Killed&) {
                forgetRedo();
                checkNamesWentToTheirFiles(before, RenameOutcome::StepFailed);
                restartAfterKill(before, startedAt);
                return;
            }
            if (fault == 1 || fault == 2) // a kill the run did not reach kills nothing later
                fileSystem.clearFaults();
            prompter.clearAnswers();
            // The window's renaming ends by reading the folder again.
            rowsCurrent =
                rowsCurrent ||
                (window && outcome != RenameOutcome::Busy && outcome != RenameOutcome::Declined &&
                 outcome != RenameOutcome::NotPossible && outcome != RenameOutcome::NotRecorded);
            checkNothingLost();
            checkNamesWentToTheirFiles(before, outcome);
            if (forOtherFiles) {
                ++tally.refused;
                QCOMPARE(outcome, RenameOutcome::NotPossible);
            }
            if (outcome == RenameOutcome::Finished)
                ++tally.finished;
            // A renaming begun, even rolled back, leaves nothing to redo.
            if (outcome == RenameOutcome::Finished || outcome == RenameOutcome::StepFailed)
                forgetRedo();
            if (folder() != before)
                pushLevel({before});
        }

        void forgetRedo() { redoTargets.clear(); }

        // A renaming on record: the oldest beyond the history's length go,
        // and, unless it redoes one, nothing is left to redo.
        void pushLevel(Level level, bool redone = false)
        {
            levels << level;
            while (levels.size() > historyLength)
                levels.removeFirst();
            if (redone)
                return;
            QVERIFY(!session.canRedo(dir.path()));
            forgetRedo();
        }

        // The program started again: nothing was lost, and the journal of an
        // interrupted run offers to give back the names the files had before
        // it (taken now or from Annuler later).
        void restart(const std::function<void()>& started = {})
        {
            fileSystem.clearFaults();
            prompter.clearAnswers();
            running.emplace(fileSystem);
            const RenameSession::LoadedJournal loaded = start();
            rowsCurrent = true;
            QVERIFY(loaded.status == RenameSession::JournalLoad::Loaded ||
                    loaded.status == RenameSession::JournalLoad::Missing);
            checkNothingLost();
            if (started)
                started();
            if (loaded.interrupted && below(2) == 0)
                undo();
        }

        // A run killed after renaming files is the one to undo; killed
        // before its first rename, the previous renaming stands. One that
        // left every name as it was may be either, as the journal tells:
        // undoing it then changes nothing.
        void restartAfterKill(const Folder& before, qint64 startedAt)
        {
            ++tally.kills;
            const bool renamed = folder() != before;
            if (renamed) {
                ++tally.interrupted;
                pushLevel({before});
            }
            restart([&] {
                const auto entries = session.history(dir.path()).entries;
                if (!renamed && !entries.empty() && entries.front().madeAt >= startedAt)
                    pushLevel({before});
            });
        }

        // Annuler, or an undo of several renamings: the files of each
        // renaming undone get the names they had before it, all of them when
        // it finishes. Whatever another program did meanwhile, the undo
        // renames no other file: each file it renames gets a name it had
        // before one of those renamings. An undo killed halfway is resumed
        // by the next, to where it was asked.
        void undo()
        {
            if (workspace().undoSet.empty())
                return;
            const std::size_t asked = below(3) == 0 ? 2 + below(3) : 1;
            tally.deepUndos += asked > 1 ? 1 : 0;
            ++tally.undos;
            const Folder before = folder();
            const bool kill = asked > 1 && below(3) == 0;
            if (kill)
                fileSystem.failRename(fileSystem.renames() + int(below(12)),
                                      below(2) == 0 ? FaultyFileSystem::Fault::Killed
                                                    : FaultyFileSystem::Fault::KilledAfter);
            RenameOutcome outcome = RenameOutcome::NotPossible;
            try {
                outcome = session.undo(prompter, texts, {}, asked);
            } catch (const FaultyFileSystem::Killed&) {
                ++tally.undoKills;
                fileSystem.clearFaults();
                running.emplace(fileSystem);
                start();
                checkNothingLost();
                outcome = session.undo(prompter, texts);
            }
            fileSystem.clearFaults();
            rowsCurrent = rowsCurrent || outcome != RenameOutcome::NotRecorded;
            checkNothingLost();
            QVERIFY(!levels.isEmpty());
            checkUndone(before, outcome, asked);
        }

        void checkUndone(const Folder& before, RenameOutcome outcome, std::size_t asked)
        {
            const qsizetype reach = std::min(qsizetype(asked), levels.size());
            const QList<Level> walked = levels.mid(levels.size() - reach);
            const Folder after = folder();
            for (auto file = before.cbegin(); file != before.cend(); ++file) {
                const QString name = after.key(file.value());
                const auto hadIt = [&](const Level& level) {
                    return level.target.key(file.value()) == name;
                };
                if (name != file.key() && !name.startsWith(u"tervane-"_s))
                    QVERIFY2(std::any_of(walked.begin(), walked.end(), hadIt), qPrintable(name));
            }
            if (outcome != RenameOutcome::Finished) {
                ++tally.undosLeftAlone;
                // Left alone and said: the history tells how far it went.
                const auto onRecord = qsizetype(session.history(dir.path()).entries.size());
                while (levels.size() > onRecord)
                    levels.removeLast();
                redoTargets.clear();
                return;
            }
            // Every renaming asked undone: the folder as it was before the
            // oldest of them, unless another program acted since.
            const Level& deepest = levels[levels.size() - reach];
            if (!deepest.changed)
                QVERIFY2(deepest.target == after,
                         "the folder is not as it was before the renamings undone");
            // Undone from the latest down: each is redone before the folder
            // the next one undone left, the deepest first.
            const qsizetype deepestIndex = levels.size() - reach;
            for (qsizetype k = levels.size() - 1; k >= deepestIndex; --k) {
                if (k == levels.size() - 1)
                    redoTargets << std::optional<Folder>(before);
                else if (!levels[k + 1].changed)
                    redoTargets << std::optional<Folder>(levels[k + 1].target);
                else
                    redoTargets << std::nullopt;
            }
            levels.resize(levels.size() - reach);
            QCOMPARE(workspace().undoSet.empty(), levels.isEmpty());
        }

        // Rétablir: the renaming last undone is made again, exactly, unless
        // a file it moves is no longer where the undo left it; then nothing
        // is renamed.
        void redo()
        {
            if (redoTargets.isEmpty())
                return;
            QVERIFY(session.canRedo(dir.path()));
            const Folder before = folder();
            std::optional<Folder> target = redoTargets.last();
            prompter.queueAnswers({true, true});
            const int faultsBefore = fileSystem.faultsInjected();
            const RenameOutcome outcome = session.redo(prompter, texts);
            prompter.clearAnswers();
            rowsCurrent = true;
            checkNothingLost();
            ++tally.redos;
            if (outcome == RenameOutcome::FilesChanged) {
                ++tally.redosRefused;
                QCOMPARE(folder(), before);
                return;
            }
            // A name another program took since, or a fault still waiting,
            // stops it, rolled back.
            if (fileSystem.faultsInjected() != faultsBefore)
                target.reset();
            QVERIFY(outcome == RenameOutcome::Finished || !target);
            if (target)
                QCOMPARE(folder(), *target);
            // Done, it is off the redos and the others wait; stopped, what
            // is left of them is the journal's to say.
            if (outcome == RenameOutcome::Finished)
                redoTargets.removeLast();
            else
                redoTargets.clear();
            if (folder() != before)
                pushLevel({before}, outcome == RenameOutcome::Finished);
            if (!redoTargets.isEmpty())
                QVERIFY(session.canRedo(dir.path()));
        }
    };

private slots:
    void randomSequencesKeepRowsAndFilesPaired()
    {
        const int sequences = qEnvironmentVariableIntValue("TERVANE_SESSION_SEQUENCES") > 0
                                  ? qEnvironmentVariableIntValue("TERVANE_SESSION_SEQUENCES")
                                  : 300;
        int actions = 0;
        Tally total;
        for (int seed = 1; seed <= sequences; ++seed) {
            Sequence sequence{quint32(seed), total};
            for (int step = 0; step < 40; ++step, ++actions) {
                switch (sequence.below(14)) {
                case 0:
                case 1:
                    sequence.listAgain();
                    sequence.checkNothingLost();
                    break;
                case 2:
                case 3:
                case 4:
                    sequence.rename();
                    break;
                case 5:
                case 6:
                    sequence.undo();
                    break;
                case 7:
                    if (sequence.below(2) == 0)
                        sequence.otherProgramActs();
                    else
                        sequence.redo();
                    break;
                case 8:
                    sequence.restart();
                    break;
                default:
                    if (sequence.edit())
                        sequence.checkRowsFromScratch();
                }
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(u"sequence %1, action %2"_s.arg(seed).arg(step)));
            }
        }
        qInfo("%d sequences, %d actions, %d renamings (%d finished, %d refused as made for other "
              "files), %d of them killed (%d with files renamed), %d actions of other programs",
              sequences, actions, total.renamings, total.finished, total.refused, total.kills,
              total.interrupted, total.othersActed);
        qInfo("%d undos (%d of several renamings, %d of those killed and resumed, %d leaving files "
              "changed behind their back), %d redos (%d refused as files had changed)",
              total.undos, total.deepUndos, total.undoKills, total.undosLeftAlone, total.redos,
              total.redosRefused);
    }
};

QTEST_APPLESS_MAIN(TestRenameSession)
#include "tst_renamesession.moc"
