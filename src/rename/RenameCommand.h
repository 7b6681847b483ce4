#pragma once

#include "platform/FileSystem.h"
#include "workspace/RenameWorkspace.h"

class colTraductions;
class Prompter;

clsAnnulation CreateUndoEntry(const QString& current, const QString& newName);

// The changed rows whose new name is already a file of the folder.
int CountConflicts(const RenameWorkspace& workspace, const FileSystem& fileSystem);

// "One new name is taken" or "%v new names are taken", from the catalogue.
QString ConflictMessage(const colTraductions& texts, int conflicts);

enum class RenameOutcome {
    NotPossible, // the two lists do not pair up
    Declined,    // the user chose not to go on despite the conflicts
    Finished,    // every file was renamed
    StepFailed,  // a step failed and was reported (and maybe rolled back)
};

// The rename command and its undo, on the workspace's listed folder. Every
// rename goes through the file system's no-replace rename, so no file is
// ever overwritten; what the command did is kept in the undo set, which is
// always walked back from its last entry so that chains and swaps unwind.
class RenameCommand {
public:
    RenameCommand(RenameWorkspace& workspace, FileSystem& fileSystem, Prompter& prompter,
                  const colTraductions& texts);
    ~RenameCommand();

    // Analyses the plan, asks about conflicts (unless already accepted),
    // renames row by row and, when a step fails, reports it and offers to
    // roll the earlier steps back. The caller then reads the folder again
    // (unless declined).
    RenameOutcome run(bool conflictsAccepted = false);

    // Renames the files of the last renaming back; the undo set is emptied
    // whatever happens.
    void undo();

    // Undoes a renaming that may have stopped anywhere (the process was
    // killed): walking the plan back from its last step, a step counts as
    // done when its new name exists and its old one does not.
    void undoInterrupted(const std::vector<clsAnnulation>& plan);

    // The entries a failed rollback or undo left renamed (its failed entry
    // and those before it), still in the folder under their new names.
    const std::vector<clsAnnulation>& unrestored() const { return m_unrestored; }

private:
    bool confirmConflicts(int conflicts);
    bool execute();
    void reportFailedStep(std::size_t row, const RenameResult& result);
    // Walks the undo set back from its last entry, stops at the first
    // failure with one message, and empties it. With onlyStepsDone, an entry
    // is skipped unless its new name exists and its old one does not.
    void renameBack(bool onlyStepsDone);
    void setBusy(bool busy);

    RenameWorkspace& m_workspace;
    FileSystem& m_fileSystem;
    Prompter& m_prompter;
    const colTraductions& m_texts;
    bool m_busy = false;
    std::vector<clsAnnulation> m_unrestored;
};
