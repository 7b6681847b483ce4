// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/RenameCommand.h"
#include "rename/RenameJournal.h"
#include "text/NamePositions.h"

#include <QString>
#include <algorithm>
#include <vector>

namespace tervane {

// Keeps the folder's journal in step with a renaming or an undo: the plan
// takes the journal's place before the first rename, progress is appended
// as it goes, and what is left to undo is written when the command ends.
// Records are synced where a crash could otherwise leave the journal behind
// the folder in a way the folder cannot tell: before a step that moves a file
// on from a name an earlier step gave it, and after walking back an entry
// whose file the walk back moves on, or, for a file the journal does not
// know, whose new name the walk back will fill again. Elsewhere the names and
// identities of the files tell how far a killed command went. Whatever cannot
// be recorded stops the command there.
class JournalRecorder : public RenameRecorder {
public:
    // Steps done are recorded in batches of this many, at least.
    static constexpr std::size_t ProgressBatch = 64;

    // For a renaming: the plan, already prepared in the journal. Known
    // independent, no step of it takes a name another step leaves.
    JournalRecorder(RenameJournal& journal, QString folder, const std::vector<RenameStep>& plan,
                    bool independent)
        : m_journal(journal)
        , m_folder(std::move(folder))
        , m_plan(plan)
        , m_refilled(independent ? std::vector<bool>(plan.size(), false) : refilled(plan))
        , m_movesOn(movesOn(plan, m_refilled))
    {}
    // For an undo: the entries of the undo set, and the journal's index of each.
    JournalRecorder(RenameJournal& journal, QString folder, const std::vector<RenameStep>& entries,
                    std::vector<std::size_t> journalIndex)
        : m_journal(journal)
        , m_folder(std::move(folder))
        , m_plan(entries)
        , m_refilled(refilled(entries))
        , m_syncSettled(settledToSync(entries, m_refilled))
        , m_journalIndex(std::move(journalIndex))
        , m_undone(entries)
        , m_committed(true)
        , m_undoing(true)
    {}

    bool runStarting() override
    {
        m_committed = kept(m_journal.commitPrepared(m_folder));
        return m_committed;
    }
    bool stepDone(std::size_t index) override
    {
        m_stepsDone = index + 1;
        const bool movesOnNext = m_stepsDone < m_movesOn.size() && m_movesOn[m_stepsDone];
        if (m_stepsDone % ProgressBatch != 0 && !movesOnNext)
            return true;
        return kept(m_journal.recordStepsDone(m_stepsDone, movesOnNext));
    }
    bool rollbackStarting(std::size_t stepsDone) override
    {
        m_walkedBack = true;
        m_syncSettled = settledToSync(m_plan, m_refilled);
        return kept(m_journal.recordRunEnd(stepsDone));
    }
    bool entrySettled(std::size_t index) override
    {
        return kept(m_journal.recordSettled(m_undoing ? m_journalIndex[index] : index,
                                            index < m_syncSettled.size() && m_syncSettled[index]));
    }
    void finished(const std::vector<RenameStep>& undoSet, bool previousKept) override
    {
        if (!m_committed) {
            // Nothing changed on disk: the previous renaming stays undoable.
            m_journal.discardPrepared(m_folder);
            return;
        }
        // So it does after a run that left every name as it found it. A
        // run that did its whole plan leaves the plan to undo, as the
        // journal holds it. Otherwise the journal is made exactly what is
        // left; should that fail, the journal on disk still tells it, with
        // its records.
        if (!m_undoing && previousKept)
            kept(m_journal.restorePrevious(m_folder));
        else if (!m_undoing && !m_walkedBack && m_stepsDone == m_refilled.size())
            kept(m_journal.recordCompleted(m_folder, m_stepsDone));
        else
            keepRest(undoSet);
    }
    // Whether every record was written.
    bool saved() const { return m_saved; }

private:
    // An undo that gave every file its name back keeps what it undid for a
    // redo; anything else forgets the redo kept, which no longer applies.
    void keepRest(const std::vector<RenameStep>& undoSet)
    {
        if (m_undoing && undoSet.empty())
            kept(m_journal.keepForRedo(m_folder, m_undone));
        else
            m_journal.dropRedo(m_folder);
        kept(m_journal.rewrite(m_folder, undoSet));
    }
    // Steps that move a file on from a name an earlier step gave it. Only
    // a plan with a step refilled (below) has any.
    static std::vector<bool> movesOn(const std::vector<RenameStep>& steps,
                                     const std::vector<bool>& refilledSteps)
    {
        std::vector<bool> flags(steps.size(), false);
        if (std::find(refilledSteps.begin(), refilledSteps.end(), true) == refilledSteps.end())
            return flags;
        NamePositions given(steps.size());
        for (std::size_t i = 0; i < steps.size(); ++i) {
            flags[i] = given.find(steps[i].from) != NamePositions::None;
            given.add(steps[i].to, i);
        }
        return flags;
    }
    // Entries a killed walk back would leave the folder unable to tell as
    // settled: those whose file a later walk back moves on (from a name an
    // earlier step gave it), and those whose new name a later walk back fills
    // again, unless their file is known, and then told by its identity.
    static std::vector<bool> settledToSync(const std::vector<RenameStep>& entries,
                                           const std::vector<bool>& refilledEntries)
    {
        std::vector<bool> flags(entries.size(), false);
        NamePositions given(entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const RenameStep& entry = entries[i];
            const bool identified = entry.fromFile != 0 && !entry.isExchange();
            flags[i] = (refilledEntries[i] && !identified) ||
                       given.find(entry.from) != NamePositions::None;
            given.add(entry.to, i);
        }
        return flags;
    }
    // Steps whose new name is another step's old name: walking that one
    // back fills it again.
    static std::vector<bool> refilled(const std::vector<RenameStep>& steps)
    {
        NamePositions oldNames(steps.size());
        for (std::size_t i = 0; i < steps.size(); ++i)
            oldNames.add(steps[i].from, i);
        std::vector<bool> flags(steps.size(), false);
        for (std::size_t i = 0; i < steps.size(); ++i)
            flags[i] = oldNames.find(steps[i].to) != NamePositions::None;
        return flags;
    }
    bool kept(bool written)
    {
        m_saved = m_saved && written;
        return written;
    }

    RenameJournal& m_journal;
    QString m_folder;
    const std::vector<RenameStep>& m_plan; // of a renaming: it outlives the recorder
    std::vector<bool> m_refilled;
    std::vector<bool> m_syncSettled;
    std::vector<bool> m_movesOn;
    std::vector<std::size_t> m_journalIndex;
    std::vector<RenameStep> m_undone; // of an undo: its entries, as it began
    bool m_committed = false;
    bool m_undoing = false;
    bool m_walkedBack = false;
    std::size_t m_stepsDone = 0;
    bool m_saved = true;
};

} // namespace tervane
