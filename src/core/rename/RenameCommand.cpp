// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/RenameCommand.h"

#include "i18n/ErrorReasons.h"
#include "i18n/TextKeys.h"
#include "i18n/TranslationCatalogue.h"
#include "rename/LockRefusal.h"
#include "services/FolderLock.h"
#include "services/Prompter.h"
#include "text/FileNameBytes.h"
#include "text/NameKey.h"
#include "text/NamePositions.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

// The reason of a step that failed: the system's own in the messages'
// language where the catalogue has it, the program's as it was told.
QString detailOf(const RenameResult& result, const TranslationCatalogue& texts)
{
    const bool systems =
        result.description == QString::fromLocal8Bit(std::strerror(result.errorNumber));
    return u'\t' + (systems ? errorReason(texts, result.errorNumber) : result.description);
}

} // namespace

int countConflicts(const std::vector<RenameStep>& plan, const FolderNames& names,
                   QStringList* firstTaken)
{
    int conflicts = 0;
    for (const RenameStep& step : plan) {
        if (step.to == step.from || !isBareFileName(step.to) || !names.taken(step.to))
            continue;
        if (firstTaken && conflicts < TakenNamesKept)
            firstTaken->append(step.to);
        ++conflicts;
    }
    return conflicts;
}

int countConflicts(const QString& folder, const std::vector<RenameStep>& plan,
                   const FileSystem& fileSystem)
{
    return countConflicts(plan, FolderNames::read(folder, fileSystem));
}

RenameCommand::RenameCommand(QString folder, FileSystem& fileSystem, Prompter& prompter,
                             const TranslationCatalogue& texts, RenameRecorder* recorder)
    : m_folder(std::move(folder))
    , m_fileSystem(fileSystem)
    , m_prompter(prompter)
    , m_texts(texts)
    , m_recorder(recorder)
{}

RenameCommand::~RenameCommand()
{
    setBusy(false);
}

void RenameCommand::made(const RenameStep& step)
{
    m_renamesMade.push_back(step);
    if (m_watcher)
        m_watcher(step);
}

void RenameCommand::setBusy(bool busy)
{
    if (busy != m_busy)
        m_prompter.setBusy(busy);
    m_busy = busy;
}

RenameOutcome RenameCommand::run(const std::vector<RenameStep>& plan,
                                 std::vector<RenameStep>& undoSet, bool conflictsAccepted,
                                 std::optional<int> knownConflicts)
{
    m_inEffect.clear();
    m_renamesMade.clear();
    m_walkedBackInFull = true;
    m_plannedAt = timeNow();
    if (plan.empty())
        return RenameOutcome::NotPossible;
    // A file born once the renames begin must never pass for one planned.
    waitUntilBirthsFollow(m_plannedAt);
    m_inEffect.reserve(plan.size());
    m_renamesMade.reserve(plan.size());
    // Files that already bear their new names: nothing to do, nothing to ask,
    // and the previous renaming stays undoable.
    if (std::all_of(plan.begin(), plan.end(),
                    [](const RenameStep& step) { return step.from == step.to; })) {
        if (m_recorder)
            m_recorder->finished(undoSet, true);
        return RenameOutcome::Finished;
    }
    const FolderLock lock(m_fileSystem, m_folder);
    if (!lockedOrReported(lock, m_folder, m_prompter, m_texts))
        return RenameOutcome::Busy;
    setBusy(true);
    const int conflicts = knownConflicts      ? *knownConflicts
                          : conflictsAccepted ? 0
                                              : countConflicts(m_folder, plan, m_fileSystem);
    RenameOutcome outcome = RenameOutcome::Declined;
    if (conflicts == 0 || conflictsAccepted || confirmConflicts(conflicts))
        outcome = execute(plan);
    // A run rolled back in full left the folder as the previous renaming
    // left it: that one stays undoable.
    const bool previousKept =
        m_walkedBackInFull &&
        std::none_of(m_inEffect.begin(), m_inEffect.end(),
                     [](const RenameStep& step) { return step.from != step.to; });
    if (!previousKept)
        undoSet = std::move(m_inEffect);
    if (m_recorder)
        m_recorder->finished(undoSet, previousKept);
    return outcome;
}

bool RenameCommand::confirmConflicts(int conflicts)
{
    setBusy(false);
    if (!m_prompter.ask(conflictMessage(m_texts, conflicts) + u"\r\n\r\n"_s +
                            m_texts.item(TextKey::GoOnDespiteConflicts),
                        MessageIcon::Exclamation))
        return false;
    setBusy(true);
    return true;
}

RenameOutcome RenameCommand::execute(const std::vector<RenameStep>& plan)
{
    if (m_recorder && !m_recorder->runStarting()) {
        setBusy(false);
        return RenameOutcome::NotRecorded;
    }
    const HeldFolder held(m_fileSystem, m_folder);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const RenameStep& step = plan[i];
        const RenameResult result = perform(step);
        if (!result.ok) {
            reportFailedStep(step, i, result);
            return RenameOutcome::StepFailed;
        }
        m_inEffect.push_back(step);
        made(step);
        // A run whose record no longer follows it goes no further.
        if (m_recorder && !m_recorder->stepDone(i)) {
            setBusy(false);
            rollBack();
            return RenameOutcome::StepFailed;
        }
    }
    setBusy(false);
    return RenameOutcome::Finished;
}

void RenameCommand::reportFailedStep(const RenameStep& step, std::size_t row,
                                     const RenameResult& result)
{
    setBusy(false);
    const QString message =
        insertValues(m_texts.item(TextKey::RenameFailed),
                     {QString::number(result.errorNumber), shownFileName(step.from),
                      shownFileName(step.to), detailOf(result, m_texts)});
    if (row == 0) {
        m_prompter.message(message, MessageIcon::Critical);
        return;
    }
    if (m_prompter.ask(message + u"\r\n\r\n"_s + m_texts.item(TextKey::RollBackQuestion),
                       MessageIcon::Critical))
        rollBack();
}

// The steps of the run walked back, once the walk back is on record: until
// then the folder still shows how far the run went.
void RenameCommand::rollBack()
{
    if (!m_recorder || m_recorder->rollbackStarting(m_inEffect.size()))
        m_walkedBackInFull = renameBack(m_inEffect);
}

RenameOutcome RenameCommand::undo(std::vector<RenameStep>& undoSet, qint64 plannedAt)
{
    m_renamesMade.clear();
    m_plannedAt = plannedAt;
    const FolderLock lock(m_fileSystem, m_folder);
    if (!lockedOrReported(lock, m_folder, m_prompter, m_texts))
        return RenameOutcome::Busy;
    setBusy(true);
    const bool restored = renameBack(undoSet);
    setBusy(false);
    if (m_recorder)
        m_recorder->finished(undoSet, false);
    return restored ? RenameOutcome::Finished : RenameOutcome::StepFailed;
}

bool RenameCommand::renameBack(std::vector<RenameStep>& entries)
{
    const QString& folder = m_folder;
    const HeldFolder held(m_fileSystem, folder);
    std::vector<bool> kept(entries.size(), false);
    QHash<QString, std::size_t> keptByNewName;
    QSet<QString> keptOldNames;
    std::vector<std::pair<RenameStep, RenameResult>> failures;
    const auto settled = [this](std::size_t index) {
        return !m_recorder || m_recorder->entrySettled(index);
    };
    // Later steps are undone first, so each one finds the folder as it was
    // right after it: chains and swaps unwind. A walk back whose record no
    // longer follows stops, the entries not yet walked kept.
    bool stopped = false;
    std::size_t notWalked = 0; // entries below this one were not walked back
    for (std::size_t i = entries.size(); i-- > 0 && !stopped;) {
        const RenameStep& entry = entries[i];
        if (entry.from != entry.to) {
            // A kept entry whose new name is free again had lost its file
            // (moved away): once this file takes the name back, another
            // attempt would move it. Settled first, so that an undo killed
            // right after the rename does not try it again.
            if (const auto stale = keptByNewName.constFind(entry.from);
                stale != keptByNewName.cend() &&
                !m_fileSystem.fileExists(folder + u'/' + entry.from)) {
                const std::size_t staleIndex = *stale;
                kept[staleIndex] = false;
                keptByNewName.erase(stale);
                if (!settled(staleIndex)) {
                    stopped = true;
                    notWalked = i + 1;
                    continue;
                }
            }
            const RenameResult result = undoStep(entry);
            // A file that went on from its new name (through a temporary name)
            // and could not come back from there is not restored, whatever
            // now holds its old name.
            const bool movedOn = keptOldNames.contains(entry.to);
            if (!result.ok && (movedOn || !alreadyRestored(entry))) {
                failures.emplace_back(entry, result);
                // A file no longer where the renaming left it is left alone
                // for good: no later attempt could find it.
                if (movedOn || leftWhereRenamed(entry)) {
                    kept[i] = true;
                    keptByNewName.insert(entry.to, i);
                    keptOldNames.insert(entry.from);
                    continue;
                }
                failures.back().second = notThere();
            } else {
                made(entry.reversed());
            }
        }
        if (!settled(i)) {
            stopped = true;
            notWalked = i;
        }
    }
    std::vector<RenameStep> left;
    for (std::size_t k = 0; k < entries.size(); ++k)
        if (kept[k] || k < notWalked)
            left.push_back(entries[k]);
    entries = std::move(left);
    if (!failures.empty()) {
        std::reverse(failures.begin(), failures.end());
        reportUnrestored(failures, !entries.empty());
    }
    return failures.empty() && !stopped;
}

RenameResult RenameCommand::perform(const RenameStep& step)
{
    return step.isExchange() ? m_fileSystem.exchangeNames(m_folder, step.from, step.to)
                             : m_fileSystem.renameNoReplace(m_folder, step.from, step.to);
}

RenameResult RenameCommand::undoStep(const RenameStep& entry)
{
    if (entry.isExchange())
        return undoExchange(entry);
    // Whatever took the renamed file's place (another file, a folder, a
    // pipe, a dangling link) is not the file, and keeps its name.
    if (!leftWhereRenamed(entry))
        return notThere();
    // A rename cut between its link and its unlink left the file under both
    // names: the new one goes.
    if (entry.fromFile && fileAt(entry.from) == entry.fromFile)
        return m_fileSystem.removeSecondName(m_folder, entry.from, entry.to)
                   ? RenameResult{}
                   : RenameResult{false, EEXIST, QString::fromLocal8Bit(std::strerror(EEXIST))};
    return m_fileSystem.renameNoReplace(m_folder, entry.to, entry.from);
}

// Whether the file the entry moved still bears the name it gave it: the
// same file where the journal knows it, else a file.
bool RenameCommand::leftWhereRenamed(const RenameStep& entry) const
{
    if (entry.isExchange())
        return fileAt(entry.to) == entry.fromFile || fileAt(entry.from) == entry.toFile;
    if (entry.fromFile)
        return fileAt(entry.to) == entry.fromFile;
    return m_fileSystem.isRegularFile(m_folder + u'/' + entry.to);
}

// The identity of the file bearing the name, unless it was born since the
// renaming was planned: then it cannot be one the renaming moved.
quint64 RenameCommand::fileAt(const QString& name) const
{
    return m_fileSystem.fileIdentityBefore(m_folder + u'/' + name, m_plannedAt);
}

RenameResult RenameCommand::notThere() const
{
    return {false, ENOENT, m_texts.item(TextKey::FileNotThere)};
}

// Each file of an exchange goes back to its first name, in one exchange
// while both are where it put them; when one of them went away, the other
// takes its name back alone, if that name is free.
RenameResult RenameCommand::undoExchange(const RenameStep& entry)
{
    const bool firstThere = fileAt(entry.to) == entry.fromFile;
    const bool secondThere = fileAt(entry.from) == entry.toFile;
    if (firstThere && secondThere)
        return m_fileSystem.exchangeNames(m_folder, entry.to, entry.from);
    RenameResult result;
    if (firstThere)
        result = m_fileSystem.renameNoReplace(m_folder, entry.to, entry.from);
    else if (secondThere)
        result = m_fileSystem.renameNoReplace(m_folder, entry.from, entry.to);
    if (!result.ok || alreadyRestored(entry))
        return result;
    // The file that went away leaves the entry to undo, as a renamed file would.
    return {false, ENOENT, QString::fromLocal8Bit(std::strerror(ENOENT))};
}

// The file was given its old name back already: by an undo that was
// interrupted, or by hand.
bool RenameCommand::alreadyRestored(const RenameStep& entry) const
{
    if (entry.fromFile && !entry.isExchange())
        return fileAt(entry.from) == entry.fromFile && fileAt(entry.to) != entry.fromFile;
    if (!entry.isExchange())
        return stepLooksDone({entry.to, entry.from}, m_folder, m_fileSystem);
    return fileAt(entry.from) == entry.fromFile && fileAt(entry.to) == entry.toFile;
}

// One message for every entry left unrestored, in the order of the set: the
// first in full, the others listed, then what becomes of them.
void RenameCommand::reportUnrestored(
    const std::vector<std::pair<RenameStep, RenameResult>>& failures, bool leftToUndo)
{
    constexpr std::size_t Listed = 20;
    setBusy(false);
    const auto& [first, firstResult] = failures.front();
    QString text = insertValues(m_texts.item(TextKey::NotRestored),
                                {QString::number(firstResult.errorNumber), shownFileName(first.to),
                                 detailOf(firstResult, m_texts)});
    if (failures.size() > 1) {
        text += u"\r\n\r\n"_s + (failures.size() == 2
                                     ? m_texts.item(TextKey::OtherNotRestored)
                                     : insertValues(m_texts.item(TextKey::OthersNotRestored),
                                                    {QString::number(failures.size() - 1)}));
        for (std::size_t i = 1; i < failures.size() && i <= Listed; ++i) {
            const auto& [entry, result] = failures[i];
            text += u"\r\n'%1' (%2) : %3"_s.arg(shownFileName(entry.to))
                        .arg(result.errorNumber)
                        .arg(detailOf(result, m_texts).mid(1));
        }
        if (failures.size() > Listed + 1)
            text += u"\r\n..."_s;
    }
    // Files that went away for good leave nothing another attempt could do.
    if (leftToUndo)
        text += u"\r\n\r\n"_s + m_texts.item(TextKey::UndoAgainLater);
    m_prompter.message(text, MessageIcon::Critical);
}

bool stepLooksDone(const RenameStep& step, const QString& folder, const FileSystem& fileSystem)
{
    const QString prefix = folder + u'/';
    if (step.isExchange())
        return isBareFileName(step.to) &&
               fileSystem.fileIdentity(prefix + step.to) == step.fromFile;
    return isBareFileName(step.from) && isBareFileName(step.to) &&
           fileSystem.fileExists(prefix + step.to) && !fileSystem.fileExists(prefix + step.from);
}

namespace {

// Where the journal knows the file of every step: the last step whose file
// bears its new name was done, and so was every step before it. A file moved
// on by a later step leaves that step to tell; one that only changes letter
// case may find its file under its new name before it runs, and tells nothing.
std::optional<std::size_t> stepsDoneByIdentity(const std::vector<RenameStep>& steps,
                                               std::size_t knownDone, const QString& folder,
                                               const FileSystem& fileSystem)
{
    const auto identified = [](const RenameStep& step) { return step.fromFile != 0; };
    if (!std::all_of(steps.begin(), steps.end(), identified))
        return std::nullopt;
    const QString prefix = folder + u'/';
    for (std::size_t i = steps.size(); i-- > knownDone;) {
        const RenameStep& step = steps[i];
        if (step.from.compare(step.to, Qt::CaseInsensitive) != 0 && isBareFileName(step.to) &&
            fileSystem.fileIdentity(prefix + step.to) == step.fromFile)
            return i + 1;
    }
    return knownDone;
}

} // namespace

std::size_t stepsDoneOfInterruptedRun(const std::vector<RenameStep>& steps, std::size_t knownDone,
                                      const QString& folder, const FileSystem& fileSystem)
{
    if (const auto done = stepsDoneByIdentity(steps, knownDone, folder, fileSystem))
        return *done;
    const QString prefix = folder + u'/';
    const auto changed = [](const RenameStep& step) {
        return step.from != step.to && isBareFileName(step.from) && isBareFileName(step.to);
    };
    // A step done keeps its new name (no later step of the run takes it,
    // as its file was the old name of none), so the run stopped before the
    // first step whose new name is missing.
    std::size_t end = knownDone;
    while (end < steps.size() &&
           (!changed(steps[end]) || fileSystem.fileExists(prefix + steps[end].to)))
        ++end;
    // Before that, at the last step that looks done: its old name is gone
    // too (a later step may give an old name back, as in a chain).
    for (std::size_t i = end; i-- > knownDone;) {
        if (!changed(steps[i]))
            continue;
        if (steps[i].isExchange() ? stepLooksDone(steps[i], folder, fileSystem)
                                  : !fileSystem.fileExists(prefix + steps[i].from))
            return i + 1;
    }
    return knownDone;
}

std::size_t filesMoved(const std::vector<RenameStep>& steps)
{
    NamePositions reached(steps.size());
    std::size_t moved = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const RenameStep& step = steps[i];
        if (step.from == step.to)
            continue;
        if (reached.find(step.from) == NamePositions::None)
            moved += step.isExchange() ? 2 : 1;
        reached.add(step.to, i);
    }
    return moved;
}

std::vector<RenameStep> namesBeforeAndAfter(const std::vector<RenameStep>& steps)
{
    std::vector<RenameStep> files; // from: the first name; to: the name now
    QHash<QString, std::size_t> fileNamed;
    const auto moveOn = [&files, &fileNamed](const QString& from, const QString& to,
                                             std::optional<std::size_t> file) {
        if (!file) {
            file = files.size();
            files.push_back({from, from});
        }
        files[*file].to = to;
        return std::pair{to, *file};
    };
    for (const RenameStep& step : steps) {
        if (step.from == step.to)
            continue;
        const auto take = [&fileNamed](const QString& name) -> std::optional<std::size_t> {
            const auto found = fileNamed.constFind(name);
            if (found == fileNamed.cend())
                return std::nullopt;
            const std::size_t file = *found;
            fileNamed.erase(found);
            return file;
        };
        const std::optional<std::size_t> fromFile = take(step.from);
        const std::optional<std::size_t> toFile = step.isExchange() ? take(step.to) : std::nullopt;
        const auto moved = moveOn(step.from, step.to, fromFile);
        if (step.isExchange()) {
            const auto other = moveOn(step.to, step.from, toFile);
            fileNamed.insert(other.first, other.second);
        }
        fileNamed.insert(moved.first, moved.second);
    }
    std::erase_if(files, [](const RenameStep& file) { return file.from == file.to; });
    return files;
}

} // namespace tervane
