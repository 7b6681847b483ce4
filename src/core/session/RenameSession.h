// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "naming/NameRecord.h"
#include "naming/PasteSources.h"
#include "naming/TreatmentOptions.h"
#include "rename/RenameOutcome.h"
#include "rename/RenameStep.h"
#include "session/ListCounterState.h"

#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace tervane {

class FileEnumerator;
class FileTagCache;
class FileSystem;
class FolderLock;
class FolderNames;
class JournalRecorder;
class NameHolders;
class Prompter;
class RenameCommand;
class RenameJournal;
class TranslationCatalogue;
struct RenameWorkspace;

// The two lists' rows as views read them: file row i beside name row i.
struct ListRows {
    const QStringList& files;
    const std::vector<NameRow>& names;
};

// One folder's renaming, as both front ends drive it: the listing of its
// files, the names made from a source of lines, the rename and its undo. It
// owns the workspace behind the two lists and says when files, names or the
// undo set change, so that views can follow.
class RenameSession : public QObject {
    Q_OBJECT
public:
    explicit RenameSession(FileSystem& fileSystem, QObject* parent = nullptr);
    ~RenameSession() override;

    // The state behind the two lists, to read; the commands below change it.
    // (Its definition is the core's own: the front ends read the views below.)
    const RenameWorkspace& workspace() const { return *m_workspace; }
    ListRows rows() const;
    // The folder the file rows were read from; empty before any listing.
    const QString& listedFolder() const;
    // Whether there is a renaming to undo, and how many files it moved.
    std::size_t undoSize() const;
    // The name on which the find and replace could not be decided, if any:
    // no name then has the replacement.
    std::optional<QString> undecidedReplacement() const;

    // Chooses the folder to list: true when the path is an existing folder
    // other than the one listed, which is then read. Anything else changes
    // nothing, and costs no reading. Another folder forgets the undo set: it
    // names files of the folder it was made in.
    bool setFolder(const QString& folder);
    void setPattern(const QString& patterns);
    // Lists the folder's matching files, read again from disk when asked,
    // in numeric order when asked.
    void listFiles(bool readAgain, bool numeric);
    // From now on listings order the files by when they were taken, oldest
    // first (tags read through reading), the files without a date last; or,
    // without a reading, by name alone. Ties keep the order by name.
    void listByDateTaken(TagReading* reading);
    // Pictures without a date taken take the time they were last written,
    // in the order and the date fields, when the user asks for it.
    void setDateFallback(bool modifiedTime);
    // The tags read of a file row's file (for a listing by date taken or a
    // template), if it was read.
    std::optional<FileTags> readTagsOfRow(qsizetype row) const;
    // Tags read are forgotten: the files may have changed since.
    void forgetReadTags();

    // The treatments the names are made with, kept for every run and edit
    // to come; the names are not made again until asked.
    void setTreatmentOptions(const TreatmentOptions& options) { m_options = options; }
    // Makes the names: from new lines (a paste) or, without, again from the
    // records kept (a change of the treatments or of a name).
    void generateNames(const std::optional<QStringList>& lines = std::nullopt);
    void generateNames(const TreatmentOptions& options,
                       const std::optional<QStringList>& lines = std::nullopt);
    void clearNames();
    // Makes the names from a source, with what it brought (PasteSources.h):
    // the lines given, the current file names, or a template filled for each
    // listed file (tags read through tagReading). False, the names as they
    // were, when the tags' reading was cancelled.
    bool fillNames(NameSource source, const NameSourceInput& input, TagReading& tagReading);

    // Editing the names, one command per action on the list: each changes the
    // records behind the rows and makes the names again, said once.
    // A new name before row `row` (after the last one when there is no such
    // row); returns its record, which rowOfRecord finds in the rows.
    std::size_t insertName(std::size_t row, const QString& text);
    std::optional<std::size_t> rowOfRecord(std::size_t record) const;
    // The text row `row`'s name is made from, and that text replaced, as a
    // line is read; false when the text is the same (nothing changes).
    const QString& sourceTextOfRow(std::size_t row) const;
    bool modifyName(std::size_t row, const QString& text);
    // The names of the flagged rows go, at once.
    void removeNames(const std::vector<bool>& selected);
    // Every flagged row one row up or down, the flags following their rows.
    void moveNames(std::vector<bool>& selected, bool up);

    // What the counters and buttons show, and the empty and doubled names
    // among the rows (those are marked as the names are made).
    ListCounterState counterState() const;
    int nameProblems() const { return m_nameProblems; }
    // From now on each listing also reads when its files were created, so
    // that names kept across readings (the window's) tell a file from
    // another created under its name since, which may bear its identity (the
    // inode number) again. A run that renames by the one reading it has just
    // made (the command line's) does without.
    void readFileBirths();
    // A list of names goes only to the files it was made for: those that
    // stood beside it, in that order, when the user last made or changed the
    // names (the workspace's namesMadeFor). Since, a reading may have ordered
    // the files otherwise or found others: the names then wait, and no
    // renaming gives them.
    bool namesForOtherFiles() const { return m_namesForOtherFiles; }

    // The steps a renaming of the two lists runs: row by row, or, when asked
    // and possible, ordered so that chains and cycles of names rename
    // (resolved: new names taken by the plan's own old names are then no
    // conflict), and the new names already taken by files of the folder,
    // which the renaming asks about. Both are told by the folder's last
    // reading, which the listing made (the command line lists under the lock
    // it renames under); the renames themselves never replace a file.
    struct PlannedRenaming {
        std::vector<RenameStep> steps;
        bool resolved = false;
        int conflicts = 0;
        QStringList takenNames;         // the first few new names that are taken
        std::vector<bool> rowsInChains; // of a resolved plan, as rowsInChains() tells
        bool independent = false;       // no step takes a name another step leaves
        bool filesChanged = false;      // a file row's file is gone or replaced: no steps
    };
    PlannedRenaming planRenaming(bool resolve) const;
    // For each pair of rows, whether it renames only through the order of a
    // chain or a cycle of names.
    std::vector<bool> rowsInChains() const;
    // The files the last renaming moved (an exchange moves two).
    std::size_t filesRenamed() const;

    // Renames the listed files to the names, on the listed folder, by the
    // planned steps; nothing when the names were made for other files
    // (NotPossible) or the plan found a file row's file gone or replaced
    // (FilesChanged). Afterwards each file row still shows its file, under
    // its name now, beside the name it was given; a listing orders them
    // again. The folder's lock is held to the end; whoever planned should
    // hold it already.
    RenameOutcome rename(const PlannedRenaming& planned, Prompter& prompter,
                         const TranslationCatalogue& texts, bool conflictsAccepted = false);
    // Reads the folder, plans, renames and reads the folder again under one
    // hold of the folder's lock: no other run can change the folder between
    // the plan and the listing that shows the renaming.
    RenameOutcome planAndRename(bool resolve, Prompter& prompter,
                                const TranslationCatalogue& texts);
    // Gives the files of the undo set their names back, under the folder's
    // lock; the file rows follow them, as after a renaming. With a journal,
    // the undo set is first the journal's, read under the same hold of the
    // lock: whatever another run did since, the undo is of the folder's last
    // renaming (NotPossible when there is none, NotRecorded when the journal
    // cannot be used: journalLoaded() says why). The folder is the listed
    // one, then read again under the same hold, unless another is given (the
    // command line undoes without listing).
    // Asked for several renamings, it undoes them one by one, latest first,
    // and stops at the first that does not finish; an undo of several that
    // was killed is on record, and the next undo goes on to where it was
    // asked.
    RenameOutcome undo(Prompter& prompter, const TranslationCatalogue& texts,
                       const QString& undoneFolder = {}, std::size_t renamings = 1);
    // Renames again what the folder's last undo gave back, when no renaming
    // was made since, as a renaming of its own (then undone as any other).
    // Only when every file it moves is still where the undo left it, under
    // its name (FilesChanged otherwise, nothing renamed); NotPossible when
    // there is nothing to redo.
    RenameOutcome redo(Prompter& prompter, const TranslationCatalogue& texts,
                       const QString& redoneFolder = {});
    bool canRedo(const QString& folder) const;

    // Whether a renaming orders chains and swaps of names, which then take
    // no name: it decides which new names count as taken (NameRow::holder,
    // remade with the names, from the folder's last reading).
    void setResolvesChains(bool resolve);
    int namesTaken() const { return m_namesTaken; }
    // What holds a taken name (NameRow::holder).
    const QString& holderName(const NameRow& row) const;
    // Whether what holds it is a file (not a folder or another entry).
    bool heldByFile(const NameRow& row) const;

    // Takes the folder's lock for a whole command of the command line, from
    // its listing to its end: the lock is kept as long as the hold returned.
    // None when another run holds the folder; refusal then says why, the
    // folder shown as given.
    using FolderHold = std::shared_ptr<const void>;
    FolderHold holdFolder(const QString& folder, const TranslationCatalogue& texts,
                          const QString& shownFolder, QString& refusal);

    // From now on each name a renaming or an undo changes is told, as it is
    // changed.
    void watchRenames(RenameWatcher watcher) { m_watcher = std::move(watcher); }

    // From now on every renaming and undo is kept in its folder's journal, in
    // journalFolder, where the journals of earlierFolder move first: a
    // renaming whose plan cannot be written renames nothing (NotRecorded).
    // Each renaming is kept as made by the front end given; the history
    // keeps that many renamings of each folder.
    void keepJournal(const QString& journalFolder, const QString& earlierFolder = {},
                     FrontEnd maker = FrontEnd::Unknown);
    void setHistoryLength(int renamings);
    bool keepsJournal() const { return m_journal != nullptr; }
    // The journal's folder, and the journal of a folder.
    QString journalLocation() const;
    QString journalFileOf(const QString& folder) const;
    // False when the last renaming or undo could not bring its journal up to
    // date; the journal on disk then still tells what its records say.
    bool journalSaved() const { return m_journalSaved; }
    // Makes the undo set the one the folder's journal keeps (none but for a
    // journal loaded), under the folder's lock (Busy when another run holds
    // it). For a run or an undo that was interrupted, how far it went is
    // read from the folder and recorded first, since once the undo begins
    // the folder no longer shows it.
    enum class JournalLoad { Loaded, Missing, Unreadable, Damaged, OtherFolder, NotRecorded, Busy };
    struct LoadedJournal {
        JournalLoad status = JournalLoad::Missing;
        QString problem = {};     // why an unreadable journal could not be read
        bool interrupted = false; // left by a run or an undo that did not end
    };
    LoadedJournal loadJournal(const QString& folder);
    // Whether the folder's journal was left by a run or an undo that did not
    // end, as it reads now: only read, nothing is recorded.
    bool journalInterrupted(const QString& folder);
    // What the last load found, the one before an undo included.
    const LoadedJournal& journalLoaded() const { return m_journalLoaded; }

    // The renamings of a folder that can be undone, latest first: the
    // journal's, then the older ones its history keeps, read under the
    // folder's lock. A damaged entry ends the list: no undo goes past it.
    struct HistoryEntry {
        qint64 madeAt = 0; // when it was planned, as timeNow() gives it; 0: unknown
        FrontEnd madeBy = FrontEnd::Unknown;
        std::vector<RenameStep> steps; // those left to undo, in the order they ran
        bool damaged = false;
        bool interrupted = false; // left by a run or an undo that did not end
    };
    struct History {
        JournalLoad status = JournalLoad::Missing; // of the folder's journal
        QString problem = {};
        std::vector<HistoryEntry> entries = {};
    };
    History history(const QString& folder);

signals:
    void filesChanged();
    void namesChanged();
    void undoChanged();

private:
    void followRenames(const std::vector<RenameStep>& renames);
    void fileRowsChanged();
    void listAgain();
    RenameOutcome undoLocked(const QString& folder, Prompter& prompter,
                             const TranslationCatalogue& texts);
    RenameOutcome undoWalk(const QString& folder, Prompter& prompter,
                           const TranslationCatalogue& texts, std::size_t renamings);
    RenameOutcome runPlan(const QString& folder, const PlannedRenaming& planned, Prompter& prompter,
                          const TranslationCatalogue& texts, bool conflictsAccepted);
    bool stillWhereUndoLeft(const std::vector<RenameStep>& steps, const QString& folder) const;
    bool namesMadeForOtherFiles() const;
    void namesMadeForFileRows();
    void namesEdited();
    void namesMade();
    void markTakenNames();
    bool holdersCurrent() const; // made from the enumerator's last reading
    void setUndoSet(const QString& folder, std::vector<RenameStep> entries);
    void runEnded(const RenameCommand& command, const JournalRecorder* recorder, bool renamesMade);
    bool followedRowByRow(const std::vector<RenameStep>& renames);
    static void followByName(QStringList& names, const std::vector<RenameStep>& renames);
    PlannedRenaming plan(bool resolve, bool readNow) const;
    bool fileRowsStillThere(const FolderNames& names) const;
    LoadedJournal readJournal(const QString& folder);
    void orderByDateTaken();

    FileSystem& m_fileSystem;
    std::unique_ptr<FileEnumerator> m_enumerator;
    std::unique_ptr<RenameWorkspace> m_workspace;
    TreatmentOptions m_options;
    bool m_filesListed = true; // the file rows changed since the names were made
    bool m_namesForOtherFiles = false;
    bool m_numeric = false;               // the order of the last listing
    TagReading* m_takenReading = nullptr; // listing by date taken, through it
    std::unique_ptr<FileTagCache> m_tagCache;
    bool m_folderChanged = false; // renamed since the folder was last read
    int m_nameProblems = 0;
    std::unique_ptr<RenameJournal> m_journal;
    std::vector<std::size_t> m_journalIndex; // of each entry of the undo set
    qint64 m_undoPlannedAt = 0;              // when its renaming was planned, as read
    LoadedJournal m_journalLoaded;
    bool m_journalSaved = true;
    RenameWatcher m_watcher;
    bool m_resolvesChains = true;
    std::unique_ptr<NameHolders> m_holders; // the folder's entries at the reading
    int m_holdersReading = -1;              // of the enumerator they were made from
    QString m_holdersFolder;
    QString m_listedReading; // the folder as read for the file rows
    int m_namesMade = 0;     // runs and edits of the names
    int m_markedNames = -1;  // the one marked last
    bool m_anyNameHeld = false;
    bool m_changedNamesFree = false; // at that marking, beside the file rows listed
    int m_namesTaken = 0;
};

} // namespace tervane
