// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/RenameStep.h"
#include "services/FileSystem.h"
#include "settings/SettingsKeys.h"

#include <QString>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace tervane {

// The last renaming done from the command line in each folder, kept on disk
// so that a later run can undo it, even when the run that did it, or an undo
// of it, was killed halfway.
//
// A run's plan is first written beside the journal (prepared), and takes the
// journal's place, synced, before the first rename; the journal it replaces
// waits aside until the run is over, so that a run that renames nothing, is
// rolled back in full or is killed before its first rename leaves the
// previous renaming undoable. While the run goes on, progress records are
// appended: the count of steps done (in batches, synced before any step
// the folder alone could not tell from an earlier one), where the run ended
// once a rollback or an undo begins, and each entry walked back. When the
// command ends, a run that did all its steps says so in one last record; the
// journal of any other is rewritten with exactly what is left to undo. The
// journal knows the folder (not only its path) and the file of each step, so
// that an undo renames only the files the renaming moved.
//
// The journals it replaced are kept beside it as the folder's history,
// numbered from the oldest (<journal>.1, .2, ...): a renaming completed
// turns the journal it replaced into the newest entry, and an undo that
// restores every file puts the newest entry back in the journal's place,
// keeping what it undid aside (<journal>.redo.1, .2, ..., the one undone
// last the highest) for redos, one at a time, until the next renaming. Each
// move is one rename of a file, then synced: a kill leaves every entry whole
// and in its order.
class RenameJournal {
public:
    // The older entries together stay within this, the oldest dropped first
    // (the newest is kept whatever its size).
    static constexpr qint64 MaximumHistoryBytes = qint64(64) << 20;

    RenameJournal(QString journalFolder, FileSystem& fileSystem);

    const QString& location() const { return m_folder; }
    QString fileFor(const QString& folder) const;

    // Journals kept in a folder an earlier version used move here, once: a
    // folder's journal, with its prepared plan and the journal it replaced,
    // when none is kept here for that folder yet; else, outdated, they go.
    // The earlier folder goes too once empty.
    void adoptEarlierJournals(const QString& earlierFolder);

    struct Entry {
        bool completed = false;        // false: a run that may have stopped anywhere
        std::vector<RenameStep> steps; // in the order they were, or were to be, done
        std::size_t knownDone = 0;     // steps known done (all of them when completed)
        bool doneIsExact = false;      // no later step was done (the run is over)
        std::vector<bool> settled;     // entries an undo has already given their old name
        FolderIdentity folder;         // the folder renamed; unknown in older journals
        qint64 plannedAt = 0;          // when the renaming was planned; 0: unknown
        FrontEnd madeBy = FrontEnd::Unknown;
    };
    // OtherFolder: valid, but the folder now at its path is not the one it
    // renamed (moved away, another put in its place).
    enum class Status { Missing, Valid, Damaged, Unreadable, OtherFolder };
    struct Reading {
        Status status = Status::Missing;
        Entry entry;
        QString problem = {}; // why an unreadable journal could not be read
    };

    // The journal of a folder, after settling a plan that a killed run left
    // prepared. A journal altered, or cut anywhere but in its last records,
    // reads as damaged.
    Reading read(const QString& folder);

    // Each returns false when the journal could not be written.
    bool prepare(const QString& folder, const std::vector<RenameStep>& plan);
    // Puts the prepared plan in the journal's place, for good, before the
    // first rename; the journal it replaces waits aside until the run ends.
    bool commitPrepared(const QString& folder);
    void discardPrepared(const QString& folder);
    // Progress records, appended to the journal of the folder last prepared,
    // committed or read; synced when asked, so that they survive a crash of
    // the system. Entries settled unsynced are written in batches.
    bool recordStepsDone(std::size_t count, bool sync);
    // The run did these steps and no more: it stopped, to roll back or to
    // be undone, and the folder will soon no longer tell. Always synced.
    bool recordRunEnd(std::size_t count);
    bool recordSettled(std::size_t index, bool sync);
    // The run committed last did all its steps, which are now what is left
    // to undo; the journal it replaced goes. Synced.
    bool recordCompleted(const QString& folder, std::size_t count);
    // Replaces the journal with the steps left to undo; none removes it.
    bool rewrite(const QString& folder, const std::vector<RenameStep>& steps);
    // The run committed last was rolled back in full (or never began): the
    // journal it replaced (or none) is the folder's again.
    bool restorePrevious(const QString& folder);

    // The front end whose renamings are recorded from now on.
    void setMaker(FrontEnd maker) { m_maker = maker; }
    // How many renamings the history keeps, the journal's own included.
    void setHistoryLength(int length) { m_historyLength = std::max(length, 1); }
    // The older renamings of the folder, newest first, each as read (a
    // damaged one as damaged); the journal itself is read by read().
    std::vector<Reading> readHistory(const QString& folder) const;
    // The journal, read, and the older renamings the history keeps.
    std::size_t historySize(const QString& folder) const;
    // The steps an undo gave their old names back, to be done again by a
    // redo, on top of those kept; the one on top, if any, and forgetting
    // them all.
    bool keepForRedo(const QString& folder, const std::vector<RenameStep>& steps);
    Reading readRedo(const QString& folder) const;
    bool hasRedo(const QString& folder) const;
    void dropRedo(const QString& folder);
    // The renaming prepared next redoes the one undone last: committed, it
    // takes that one off the redos, and leaves the others.
    void setRedoing(bool redoing) { m_redoing = redoing; }
    // An undo of several renamings, on record until it ends, so that one
    // killed goes on to where it was asked: the size the history is to
    // have; none when no such undo is under way.
    bool beginWalk(const QString& folder, std::size_t remaining);
    std::optional<std::size_t> walkTarget(const QString& folder) const;
    void endWalk(const QString& folder);

private:
    QString preparedFileFor(const QString& folder) const;
    QString previousFileFor(const QString& folder) const;
    void settlePrepared(const QString& folder);
    bool appendRecord(const QByteArray& record, bool sync, bool mayWait = false);
    bool writePending(bool sync);
    void closeProgress();
    void openForProgress(const QString& folder);
    QString redoFileFor(const QString& folder, int number) const;
    int redoCount(const QString& folder) const;
    void popRedo(const QString& folder);
    QString walkFileFor(const QString& folder) const;
    std::vector<int> historyNumbers(const QString& folder) const;
    bool archivePrevious(const QString& folder);
    bool bringBackNewest(const QString& folder);
    void pruneHistory(const QString& folder);

    QString m_folder;
    FileSystem& m_fileSystem;
    std::unique_ptr<AppendedFile> m_progress;
    qint64 m_plannedAt = 0; // of the renaming last prepared or read
    QByteArray m_pending;   // records not written yet
    int m_pendingRecords = 0;
    FrontEnd m_maker = FrontEnd::Unknown;
    FrontEnd m_madeBy = FrontEnd::Unknown; // of the renaming last prepared or read
    bool m_redoing = false;
    int m_historyLength = DefaultHistoryLength;
};

} // namespace tervane
