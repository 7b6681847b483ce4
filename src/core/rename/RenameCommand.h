// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/FolderNames.h"
#include "rename/RenameOutcome.h"
#include "rename/RenameStep.h"
#include "services/FileSystem.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace tervane {

class TranslationCatalogue;
class Prompter;

// The changed steps whose new name is already a file of the folder, as the
// names read from it tell, or as a reading now tells. The first few of those
// names go to firstTaken, when given.
inline constexpr qsizetype TakenNamesKept = 5;
int countConflicts(const std::vector<RenameStep>& plan, const FolderNames& names,
                   QStringList* firstTaken = nullptr);
int countConflicts(const QString& folder, const std::vector<RenameStep>& plan,
                   const FileSystem& fileSystem);

// Told of a renaming as it happens, so that it can be kept beyond the life of
// the process (the folder's journal). A call that returns false could
// not record what it was told: the command goes no further than its record.
class RenameRecorder {
public:
    virtual ~RenameRecorder() = default;
    // The first rename is about to be made; false leaves every file as it is.
    virtual bool runStarting() = 0;
    // Step index of the plan was renamed; steps succeed in order.
    virtual bool stepDone(std::size_t index) = 0;
    // The run stopped after this many steps, which are about to be walked
    // back; false leaves them done.
    virtual bool rollbackStarting(std::size_t stepsDone) = 0;
    // Entry index of the undo set being walked back is settled: its file
    // has its old name again (or went away for good).
    virtual bool entrySettled(std::size_t index) = 0;
    // The command is over; the undo set holds what is left to undo, which is
    // the previous renaming's when the run left every name as it found it.
    virtual void finished(const std::vector<RenameStep>& undoSet, bool previousKept) = 0;
};

// The rename command and its undo, on one folder. Every
// rename goes through the file system's no-replace rename, so no file is
// ever overwritten; what the command did is kept in the undo set, which is
// always walked back from its last entry so that chains and swaps unwind.
// Each command holds the folder's lock while it runs.
class RenameCommand {
public:
    RenameCommand(QString folder, FileSystem& fileSystem, Prompter& prompter,
                  const TranslationCatalogue& texts, RenameRecorder* recorder = nullptr);
    ~RenameCommand();

    // Counts the conflicts (unless the planner did: knownConflicts), asks
    // about them (unless already accepted), renames step by step and, when a
    // step fails, reports it and offers to roll the earlier steps back.
    // undoSet is replaced by the steps left in effect, when they change a
    // name: a plan that changes nothing and a run rolled back in full keep
    // the previous renaming undoable. The caller then reads the folder again
    // (unless declined or busy).
    RenameOutcome run(const std::vector<RenameStep>& plan, std::vector<RenameStep>& undoSet,
                      bool conflictsAccepted = false,
                      std::optional<int> knownConflicts = std::nullopt);

    // Renames the files of the undo set back, from its last entry to its
    // first, going on past any entry that cannot be restored. Those entries
    // are reported in one message and stay in the undo set, for a later
    // attempt, unless their file went away for good; an entry whose file
    // already has its old name again (its old name present, its new one
    // gone) counts as restored. Finished only when every file was restored.
    // Only files there when the renaming was planned (plannedAt, as timeNow()
    // gives it; 0: unknown) are taken for the files it moved.
    RenameOutcome undo(std::vector<RenameStep>& undoSet, qint64 plannedAt = 0);

    bool confirmConflicts(int conflicts);
    void watchRenames(RenameWatcher watcher) { m_watcher = std::move(watcher); }
    // Every name the last command changed, in order: its steps as they were
    // done, and each entry walked back as the reversed step.
    const std::vector<RenameStep>& renamesMade() const { return m_renamesMade; }

private:
    RenameOutcome execute(const std::vector<RenameStep>& plan);
    void reportFailedStep(const RenameStep& step, std::size_t row, const RenameResult& result);
    void rollBack();
    // False when an entry could not be restored.
    bool renameBack(std::vector<RenameStep>& entries);
    RenameResult perform(const RenameStep& step);
    RenameResult undoStep(const RenameStep& entry);
    RenameResult undoExchange(const RenameStep& entry);
    bool alreadyRestored(const RenameStep& entry) const;
    bool leftWhereRenamed(const RenameStep& entry) const;
    quint64 fileAt(const QString& name) const;
    RenameResult notThere() const;
    void reportUnrestored(const std::vector<std::pair<RenameStep, RenameResult>>& failures,
                          bool leftToUndo);
    void setBusy(bool busy);
    void made(const RenameStep& step);

    QString m_folder;
    FileSystem& m_fileSystem;
    Prompter& m_prompter;
    const TranslationCatalogue& m_texts;
    RenameRecorder* m_recorder;
    std::vector<RenameStep> m_inEffect; // the run's steps done and not walked back
    bool m_walkedBackInFull = true;     // every step walked back found its old name
    qint64 m_plannedAt = 0;             // when the renaming walked back was planned
    std::vector<RenameStep> m_renamesMade;
    RenameWatcher m_watcher;
    bool m_busy = false;
};

// How many steps of a renaming that may have stopped anywhere (its process
// was killed) were done, given the steps known done. Steps succeed in
// order, so they are a first run of the plan, which the names on disk tell.
std::size_t stepsDoneOfInterruptedRun(const std::vector<RenameStep>& steps, std::size_t knownDone,
                                      const QString& folder, const FileSystem& fileSystem);

} // namespace tervane
