#pragma once

#include "rename/RenameCommand.h"
#include "rename/RenameJournal.h"

#include <QString>
#include <vector>

namespace tervane::cli {

// Keeps the folder's journal in step with a renaming or an undo: the plan
// takes the journal's place at the first changed step, progress is appended
// as it goes (steps done in batches, settled entries one by one, since an
// undo leaves nothing on disk to tell them apart), and what is left to undo
// is written when the command ends.
class JournalRecorder : public RenameRecorder {
public:
    // Steps done are recorded in batches of this many, unless asked otherwise.
    static constexpr std::size_t ProgressBatch = 64;

    // For a renaming: the plan, already prepared in the journal.
    JournalRecorder(RenameJournal& journal, QString folder, std::vector<RenameStep> plan,
                    std::size_t batch = ProgressBatch)
        : m_journal(journal)
        , m_folder(std::move(folder))
        , m_plan(std::move(plan))
        , m_batch(batch)
    {}
    // For an undo: the journal's index of each entry of the undo set.
    JournalRecorder(RenameJournal& journal, QString folder, std::vector<std::size_t> journalIndex)
        : m_journal(journal)
        , m_folder(std::move(folder))
        , m_journalIndex(std::move(journalIndex))
        , m_committed(true)
        , m_undoing(true)
    {}

    void stepDone(std::size_t index) override
    {
        if (!m_committed && m_plan[index].from != m_plan[index].to)
            m_committed = m_journal.commitPrepared(m_folder);
        m_stepsDone = index + 1;
        if (m_stepsDone % m_batch == 0)
            m_journal.recordStepsDone(m_stepsDone);
    }
    void entrySettled(std::size_t index) override
    {
        if (m_undoing) {
            m_journal.recordSettled(m_journalIndex[index]);
            return;
        }
        // A rollback: from now on the folder no longer shows how far the
        // run went.
        if (!m_endRecorded)
            m_journal.recordRunEnd(m_stepsDone);
        m_endRecorded = true;
        m_journal.recordSettled(index);
        ++m_rolledBack;
    }
    void finished(const std::vector<RenameStep>& undoSet) override
    {
        if (!m_committed) {
            // Nothing changed on disk: the previous renaming stays undoable.
            m_journal.discardPrepared(m_folder);
            return;
        }
        // So it does after a rollback that gave every file its name back.
        if (m_endRecorded && m_rolledBack == m_stepsDone)
            m_saved = m_journal.restorePrevious(m_folder);
        else
            m_saved = m_journal.rewrite(m_folder, undoSet);
    }
    bool saved() const { return m_saved; }

private:
    RenameJournal& m_journal;
    QString m_folder;
    std::vector<RenameStep> m_plan;
    std::size_t m_batch = ProgressBatch;
    std::vector<std::size_t> m_journalIndex;
    bool m_committed = false;
    bool m_undoing = false;
    bool m_endRecorded = false;
    std::size_t m_stepsDone = 0;
    std::size_t m_rolledBack = 0; // entries of the run given their names back
    bool m_saved = true;
};

} // namespace tervane::cli
