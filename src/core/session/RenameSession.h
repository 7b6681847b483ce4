#pragma once

#include "files/FileEnumerator.h"
#include "naming/TreatmentOptions.h"
#include "rename/RenameCommand.h"
#include "session/RenameWorkspace.h"

#include <QObject>
#include <optional>

namespace tervane {

class Prompter;
class TranslationCatalogue;

// One folder's renaming, as both front ends drive it: the listing of its
// files, the names made from a source of lines, the rename and its undo. It
// owns the workspace behind the two lists and says when files, names or the
// undo set change, so that views can follow.
class RenameSession : public QObject {
    Q_OBJECT
public:
    explicit RenameSession(FileSystem& fileSystem, QObject* parent = nullptr);

    // The state behind the two lists, to read; the commands below change it.
    const RenameWorkspace& workspace() const { return m_workspace; }

    // Chooses the folder to list: true when the path is an existing folder
    // other than the one listed, which is then read. Anything else changes
    // nothing, and costs no reading. Another folder forgets the undo set: it
    // names files of the folder it was made in.
    bool setFolder(const QString& folder);
    void setPattern(const QString& patterns);
    // Lists the folder's matching files, read again from disk when asked,
    // in numeric order when asked.
    void listFiles(bool readAgain, bool numeric);

    // Makes the names: from new lines (a paste) or, without, again from the
    // records kept (a change of the treatments or of a name).
    void generateNames(const TreatmentOptions& options,
                       const std::optional<QStringList>& lines = std::nullopt);
    void clearNames();

    // Editing the names, one command per action on the list: each changes the
    // records behind the rows, and the next generateNames rebuilds the rows.
    // A new name before row `row` (after the last one when there is no such
    // row); returns its record, which rowOfRecord finds once it has a row.
    std::size_t insertName(std::size_t row, const QString& text);
    std::optional<std::size_t> rowOfRecord(std::size_t record) const;
    // The text row `row`'s name is made from, and that text replaced, as a
    // line is read; false when the text is the same (nothing changes).
    const QString& sourceTextOfRow(std::size_t row) const;
    bool modifyName(std::size_t row, const QString& text);
    // The names of the flagged rows go, at once (the rows too, even should
    // the next run be refused).
    void removeNames(const std::vector<bool>& selected);
    // Every flagged row one row up or down, the flags following their rows.
    void moveNames(std::vector<bool>& selected, bool up);

    // What the counters and buttons show, and the empty and doubled names
    // among the rows (those are marked as the names are made).
    ListCounterState counterState() const;
    int nameProblems() const { return m_nameProblems; }

    // The steps a renaming of the two lists runs: row by row, or, when asked
    // and possible, ordered so that chains and cycles of names rename
    // (resolved: new names taken by the plan's own old names are then no
    // conflict).
    struct PlannedRenaming {
        std::vector<RenameStep> steps;
        bool resolved = false;
    };
    PlannedRenaming planRenaming(bool resolve) const;

    // Renames the listed files to the names, on the listed folder, by the
    // planned steps. Afterwards each file row still shows its file, under its
    // name now, beside the name it was given; a listing orders them again.
    // The folder's lock is held to the end, the reading of the folder after
    // the run included; whoever planned should hold it already.
    RenameOutcome rename(const PlannedRenaming& planned, Prompter& prompter,
                         const TranslationCatalogue& texts, bool conflictsAccepted = false,
                         RenameRecorder* recorder = nullptr);
    // Plans and renames under one hold of the folder's lock: no other run
    // can change the folder between the plan and the end of the renaming.
    RenameOutcome planAndRename(bool resolve, Prompter& prompter,
                                const TranslationCatalogue& texts);
    // The entries a journal of the folder keeps, to undo from the command line.
    void setUndoSet(const QString& folder, std::vector<RenameStep> entries);
    // Gives the files of the undo set their names back, under the folder's
    // lock; the file rows follow them, as after a renaming.
    RenameOutcome undo(Prompter& prompter, const TranslationCatalogue& texts,
                       RenameRecorder* recorder = nullptr);

signals:
    void filesChanged();
    void namesChanged();
    void undoChanged();

private:
    void followRenames(const std::vector<RenameStep>& renames);
    void namesMade();

    FileSystem& m_fileSystem;
    FileEnumerator m_enumerator;
    RenameWorkspace m_workspace;
    bool m_filesListed = true;    // the file rows changed since the names were made
    bool m_folderChanged = false; // renamed since the folder was last read
    int m_nameProblems = 0;
};

} // namespace tervane
