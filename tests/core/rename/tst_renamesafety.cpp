// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageFile.h"
#include "i18n/TranslationCatalogue.h"
#include "rename/PlanOrder.h"
#include "rename/RenameCommand.h"
#include "session/RenameWorkspace.h"
#include "support/FaultyFileSystem.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <array>

using namespace tervane;

using namespace Qt::StringLiterals;

// Random plans on real folders, with random answers and injected faults:
// whatever happens, no file is lost or overwritten and the undo set can be
// trusted. TERVANE_SAFETY_PLANS sets the number of plans for a longer run.
class TestRenameSafety : public QObject {
    Q_OBJECT

    struct Trial {
        QTemporaryDir root;
        QString folder = root.filePath(u"folder"_s);
        QString vanished = root.filePath(u"vanished"_s);
        RenameWorkspace workspace;
        PosixFileSystem real;
        FaultyFileSystem fileSystem{real};
        ScriptedPrompter prompter;
        QRandomGenerator& random;
        QStringList originalContents; // sorted, every file of the folder at the start

        Trial(QRandomGenerator& generator)
            : random(generator)
        {
            QDir().mkpath(folder);
            QDir().mkpath(vanished);
            fileSystem.vanishedFolder = vanished;
            workspace.listedFolder = folder;
            const int files = 2 + int(random.bounded(39));
            for (int i = 0; i < files; ++i)
                WriteFile(folder + u"/f%1.mp3"_s.arg(i), "content " + QByteArray::number(i));
            for (int i = 0; i < int(random.bounded(4)); ++i)
                WriteFile(folder + u"/u%1.txt"_s.arg(i), "unrelated " + QByteArray::number(i));
            for (int i = 0; i < int(random.bounded(3)); ++i)
                QDir(folder).mkdir(u"d%1.mp3"_s.arg(i));
            originalContents = allContents();
        }

        QStringList contentsOf(const QString& dir) const
        {
            QStringList contents;
            for (const QString& name : QDir(dir).entryList(QDir::Files))
                contents << QString::fromUtf8(ReadFile(dir + u'/' + name));
            return contents;
        }
        QStringList allContents() const
        {
            QStringList contents = contentsOf(folder) + contentsOf(vanished);
            contents.sort();
            return contents;
        }
        QHash<QString, QString> contentByName() const
        {
            QHash<QString, QString> byName;
            for (const QString& name : QDir(folder).entryList(QDir::Files))
                byName.insert(name, QString::fromUtf8(ReadFile(folder + u'/' + name)));
            return byName;
        }

        // Mostly fresh names, so that plans run long; now and then a chain or
        // swap with another row, a taken name, a sub-folder, a doubled name.
        QString randomNewName(const QStringList& current, qsizetype row, int noisePercent)
        {
            if (int(random.bounded(100)) >= noisePercent)
                return u"new%1-%2.mp3"_s.arg(random.bounded(1000)).arg(row);
            switch (random.bounded(4)) {
            case 0:
                return current[qsizetype(random.bounded(quint32(current.size())))];
            case 1:
            case 2:
                return random.bounded(2) ? u"u%1.txt"_s.arg(random.bounded(4))
                                         : u"d%1.mp3"_s.arg(random.bounded(3));
            default:
                return u"same%1.mp3"_s.arg(random.bounded(3));
            }
        }

        void randomPlan()
        {
            QStringList current =
                QDir(folder).entryList({u"f*.mp3"_s, u"new*.mp3"_s, u"same*.mp3"_s}, QDir::Files);
            std::shuffle(current.begin(), current.end(), random);
            workspace.fileRows = current;
            workspace.nameRows.clear();
            const int noise = std::array{0, 3, 10, 40}[random.bounded(4)];
            // Now and then the names shuffled among the files: chains and
            // cycles of every length, that only an ordered plan renames.
            // or swapped in pairs, as tracks put in order are.
            QStringList shuffled = current;
            if (random.bounded(2))
                std::shuffle(shuffled.begin(), shuffled.end(), random);
            else
                for (qsizetype i = 0; i + 1 < shuffled.size(); i += 2)
                    shuffled.swapItemsAt(i, i + 1);
            const bool shuffle = random.bounded(3) == 0;
            for (qsizetype i = 0; i < current.size(); ++i)
                workspace.nameRows.push_back({shuffle && random.bounded(20) > 0
                                                  ? shuffled[i]
                                                  : randomNewName(current, i, noise),
                                              false});
        }

        void randomFaultsAndAnswers()
        {
            const int renames = fileSystem.renames();
            for (int i = 0; i < int(random.bounded(3)); ++i)
                fileSystem.failRename(renames + int(random.bounded(120)),
                                      FaultyFileSystem::Fault(1 + random.bounded(3)));
            for (int i = 0; i < 3; ++i)
                prompter.queueAnswers({random.bounded(2) == 1});
        }
    };

    // Nothing lost, nothing left the folder (but what a fault moved away),
    // and every undo entry names a file holding the content its old name had
    // when that renaming began (unless a fault moved the file away since).
    // For each temporary name of a renaming, the name its file left, and the
    // name it then took, as the renaming planned them.
    struct Temporaries {
        QHash<QString, QString> left;
        QHash<QString, QString> next;
    };
    static Temporaries temporaryOrigins(const std::vector<RenameStep>& steps)
    {
        Temporaries temporaries;
        for (const RenameStep& entry : steps) {
            if (entry.to.startsWith(u"tervane-"_s))
                temporaries.left.insert(entry.to, entry.from);
            if (entry.from.startsWith(u"tervane-"_s))
                temporaries.next.insert(entry.from, entry.to);
        }
        return temporaries;
    }

    // A file that waits under a temporary name holds the content of the name
    // it left; one that left it again is checked where it went.
    static void checkInvariants(const Trial& trial, const QHash<QString, QString>& undoBase,
                                const Temporaries& temporaries)
    {
        const QHash<QString, QString>& leftName = temporaries.left;
        QCOMPARE(trial.allContents(), trial.originalContents);
        const QHash<QString, QString> now = trial.contentByName();
        const auto& undoSet = trial.workspace.undoSet;
        QSet<QString> leftAgain;
        for (const RenameStep& entry : undoSet)
            if (entry.from.startsWith(u"tervane-"_s))
                leftAgain.insert(entry.from);
        for (const RenameStep& entry : undoSet) {
            // A file that left its temporary name and was then moved away by
            // someone else is not where its entry says.
            const bool movedOnAndAway =
                trial.fileSystem.vanishedNames.contains(temporaries.next.value(entry.to));
            if (trial.fileSystem.vanishedNames.contains(entry.to) || leftAgain.contains(entry.to) ||
                movedOnAndAway)
                continue;
            if (entry.isExchange()) {
                // Each file of an exchange kept is under its new name, back
                // under its old one (when the other went away), or gone.
                for (const auto& [first, other] :
                     {std::pair{entry.from, entry.to}, std::pair{entry.to, entry.from}}) {
                    const QString content = undoBase.value(first);
                    QVERIFY2(now.value(other) == content || now.value(first) == content ||
                                 !now.values().contains(content),
                             qPrintable(first));
                }
                continue;
            }
            QVERIFY2(now.contains(entry.to), qPrintable(entry.to));
            QCOMPARE(now.value(entry.to), undoBase.value(leftName.value(entry.from, entry.from)));
        }
    }

private slots:
    void randomPlansLoseNothing()
    {
        const int plans = qEnvironmentVariableIntValue("TERVANE_SAFETY_PLANS") > 0
                              ? qEnvironmentVariableIntValue("TERVANE_SAFETY_PLANS")
                              : 2000;
        const TranslationCatalogue texts = buildTranslationCatalogue(LanguageFile());
        int planCount = 0;
        int renames = 0;
        int resolvedPlans = 0;
        int temporaries = 0;
        int exchanges = 0;
        for (int seed : SeedsToRun((plans + 1) / 2, {4627, 25624})) {
            QRandomGenerator random{quint32(seed)};
            Trial trial(random);
            trial.fileSystem.exchanges = random.bounded(2) == 1;
            // Two renamings in a row, then maybe an undo. The undo set is
            // checked against the folder as it was when that set began.
            QHash<QString, QString> undoBase;
            Temporaries origins;
            for (int round = 0; round < 2; ++round, ++planCount) {
                trial.randomPlan();
                trial.randomFaultsAndAnswers();
                const QHash<QString, QString> before = trial.contentByName();
                const std::vector<RenameStep> previousUndo = trial.workspace.undoSet;
                // Half the plans ordered, when they can be: chains and cycles
                // then run through temporary names, without the question.
                std::vector<RenameStep> plan = renamePlan(trial.workspace);
                bool ordered = false;
                if (random.bounded(2))
                    if (auto resolved = orderPlan(plan, trial.folder, trial.fileSystem)) {
                        ordered = resolved->reordered;
                        temporaries += int(resolved->temporaries);
                        exchanges += int(resolved->exchanges);
                        plan = std::move(resolved->steps);
                    }
                resolvedPlans += ordered ? 1 : 0;
                RenameCommand(trial.folder, trial.fileSystem, trial.prompter, texts)
                    .run(plan, trial.workspace.undoSet, ordered);
                // Files swapped twice in a row differ only by their identities.
                const auto same = [](const RenameStep& a, const RenameStep& b) {
                    return a.from == b.from && a.to == b.to && a.fromFile == b.fromFile &&
                           a.toFile == b.toFile;
                };
                const bool newUndoSet = !std::equal(previousUndo.begin(), previousUndo.end(),
                                                    trial.workspace.undoSet.begin(),
                                                    trial.workspace.undoSet.end(), same);
                if (newUndoSet) {
                    undoBase = before;
                    // As planned (a rollback may settle some), over the trial.
                    const Temporaries planned = temporaryOrigins(plan);
                    origins.left.insert(planned.left);
                    origins.next.insert(planned.next);
                }
                checkInvariants(trial, undoBase, origins);
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(u"seed %1, round %2"_s.arg(seed).arg(round)));
            }
            if (random.bounded(2)) {
                const int faults = trial.fileSystem.faultsInjected();
                const bool untouched = trial.fileSystem.vanishedNames.isEmpty();
                const bool restorable = !trial.workspace.undoSet.empty();
                RenameCommand(trial.folder, trial.fileSystem, trial.prompter, texts)
                    .undo(trial.workspace.undoSet);
                // What could not be restored is still in the undo set, and
                // still where it says.
                checkInvariants(trial, undoBase, origins);
                // Without interference, the undo restores the folder its
                // renaming started from.
                if (untouched && restorable && trial.fileSystem.faultsInjected() == faults)
                    QCOMPARE(trial.contentByName(), undoBase);
            }
            renames += trial.fileSystem.renames();
            QCOMPARE(trial.prompter.busyDepth, 0);
        }
        qInfo("%d plans (%d ordered, %d temporary names, %d exchanges), %d renames attempted, "
              "nothing lost",
              planCount, resolvedPlans, temporaries, exchanges, renames);
    }

    void undoWithoutFaultsRestoresEveryName()
    {
        const TranslationCatalogue texts = buildTranslationCatalogue(LanguageFile());
        for (int seed = 1; seed <= 300; ++seed) {
            QRandomGenerator random{quint32(seed)};
            Trial trial(random);
            trial.fileSystem.exchanges = random.bounded(2) == 1;
            const QHash<QString, QString> start = trial.contentByName();
            trial.randomPlan();
            for (int i = 0; i < 3; ++i)
                trial.prompter.queueAnswers({true});
            RenameCommand(trial.folder, trial.fileSystem, trial.prompter, texts)
                .run(renamePlan(trial.workspace), trial.workspace.undoSet);
            // Undone, rolled back or never begun: the folder is as it was.
            if (!trial.workspace.undoSet.empty())
                RenameCommand(trial.folder, trial.fileSystem, trial.prompter, texts)
                    .undo(trial.workspace.undoSet);
            QCOMPARE(trial.contentByName(), start);
        }
    }
};

QTEST_APPLESS_MAIN(TestRenameSafety)
#include "platform/PosixFileSystem.h"
#include "tst_renamesafety.moc"
