// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RenameSession.h"

#include "files/FileEnumerator.h"
#include "naming/NamePipeline.h"
#include "rename/JournalRecorder.h"
#include "rename/LockRefusal.h"
#include "rename/NameHolders.h"
#include "rename/PlanOrder.h"
#include "rename/RenameCommand.h"
#include "rename/RenameJournal.h"
#include "services/FolderLock.h"
#include "session/FileTagCache.h"
#include "session/NameEditing.h"
#include "session/RenameWorkspace.h"
#include "settings/Paths.h"
#include "text/NameSet.h"
#include "text/NaturalSort.h"

#include <QHash>
#include <QScopeGuard>

#include <algorithm>

#include <utility>

namespace tervane {

RenameSession::RenameSession(FileSystem& fileSystem, QObject* parent)
    : QObject(parent)
    , m_fileSystem(fileSystem)
    , m_enumerator(std::make_unique<FileEnumerator>(fileSystem))
    , m_workspace(std::make_unique<RenameWorkspace>())
    , m_tagCache(std::make_unique<FileTagCache>())
    , m_holders(std::make_unique<NameHolders>())
{}

RenameSession::~RenameSession() = default;

bool RenameSession::setFolder(const QString& folder)
{
    if (folder == m_enumerator->path() || !m_enumerator->setPath(folder))
        return false;
    m_tagCache->clear();
    if (!m_workspace->undoSet.empty()) {
        m_workspace->undoSet.clear();
        emit undoChanged();
    }
    return true;
}

void RenameSession::setPattern(const QString& patterns)
{
    m_enumerator->setPattern(patterns);
}

void RenameSession::listFiles(bool readAgain, bool numeric)
{
    m_numeric = numeric;
    if (std::exchange(m_folderChanged, false) || readAgain) {
        m_enumerator->refresh();
        m_tagCache->forgetUnborn();
    }
    m_workspace->fileRows = m_enumerator->names();
    if (numeric)
        sortNumerically(m_workspace->fileRows);
    FileEnumerator::FilesFound found = m_enumerator->filesOf(m_workspace->fileRows);
    m_workspace->fileIdentities = std::move(found.identities);
    m_workspace->fileBirths = std::move(found.births);
    if (m_takenReading)
        orderByDateTaken();
    // The folder found now, whatever a link on the way to it leads to by the
    // time its files are renamed; its renaming is the one to undo, files or not.
    if (!m_enumerator->path().isEmpty())
        m_workspace->listedFolder = canonicalFolder(m_enumerator->path());
    m_listedReading = m_enumerator->readPath();
    fileRowsChanged();
}

// After a listing or a renaming: the names are the same, only the files
// beside them may have changed. They may be for other files now, and taken
// or free by this reading. Where no entry of that reading holds any of the
// names, none can be taken whatever the files: nothing to mark again.
void RenameSession::fileRowsChanged()
{
    m_filesListed = true;
    const bool wasForOtherFiles = std::exchange(m_namesForOtherFiles, namesMadeForOtherFiles());
    emit filesChanged();
    const bool marksCurrent =
        m_namesTaken == 0 && !m_anyNameHeld && m_markedNames == m_namesMade && holdersCurrent();
    const int before = m_namesTaken;
    if (!marksCurrent)
        markTakenNames();
    if (before != 0 || m_namesTaken != 0 || wasForOtherFiles != m_namesForOtherFiles)
        emit namesChanged();
}

// The end of the window's renaming and undo: the files and the marks as the
// folder holds them now, in the order last asked for.
void RenameSession::listAgain()
{
    listFiles(true, m_numeric);
}

bool RenameSession::namesMadeForOtherFiles() const
{
    return !m_workspace->nameRows.empty() && !fileRowsAreMadeFor(*m_workspace);
}

// The user made or changed the names beside the file rows shown: those are
// the files the names are for.
void RenameSession::namesMadeForFileRows()
{
    m_workspace->namesMadeFor = {m_workspace->listedFolder, m_workspace->fileRows,
                                 m_workspace->fileIdentities, m_workspace->fileBirths};
}

void RenameSession::generateNames(const TreatmentOptions& options,
                                  const std::optional<QStringList>& lines)
{
    m_options = options;
    generateNames(lines);
}

void RenameSession::generateNames(const std::optional<QStringList>& lines)
{
    if (lines)
        m_workspace->sourceRecords = recordsFromLines(*lines);
    // Rows made beside other files are made again: their extensions may differ.
    static const std::vector<NameRow> none;
    const std::vector<NameRow>& previous =
        std::exchange(m_filesListed, false) ? none : m_workspace->nameRows;
    m_workspace->nameRows =
        generateNameRows(m_workspace->sourceRecords, m_options, m_workspace->fileRows, previous);
    namesMadeForFileRows();
    namesMade();
}

namespace {

// The file rows' tags, read through the cache: each file is read once.
class CachedTagReading : public TagReading {
public:
    CachedTagReading(FileTagCache& cache, const RenameWorkspace& workspace, TagReading& reading)
        : m_cache(cache)
        , m_workspace(workspace)
        , m_reading(reading)
    {}
    std::optional<std::vector<FileTags>> readTags(const QStringList& paths) override
    {
        return m_cache.tagsOf({paths, m_workspace.fileIdentities, m_workspace.fileBirths},
                              m_reading);
    }

private:
    FileTagCache& m_cache;
    const RenameWorkspace& m_workspace;
    TagReading& m_reading;
};

} // namespace

void RenameSession::listByDateTaken(TagReading* reading)
{
    m_takenReading = reading;
}

void RenameSession::setDateFallback(bool modifiedTime)
{
    m_tagCache->setDateFallback(modifiedTime);
}

void RenameSession::forgetReadTags()
{
    m_tagCache->clear();
}

std::optional<FileTags> RenameSession::readTagsOfRow(qsizetype row) const
{
    const auto index = std::size_t(row);
    if (row < 0 || index >= m_workspace->fileIdentities.size())
        return std::nullopt;
    const qint64 birth =
        index < m_workspace->fileBirths.size() ? m_workspace->fileBirths[index] : 0;
    return m_tagCache->kept(m_workspace->fileIdentities[index], birth);
}

// A cancelled reading leaves the files in their order by name.
void RenameSession::orderByDateTaken()
{
    RenameWorkspace& w = *m_workspace;
    CachedTagReading reading(*m_tagCache, w, *m_takenReading);
    const auto tags = reading.readTags(pathsOfFiles(m_enumerator->path(), w.fileRows));
    if (!tags)
        return;
    QStringList rows;
    std::vector<quint64> identities;
    std::vector<qint64> births;
    for (const qsizetype row : orderTaken(*tags)) {
        const auto index = std::size_t(row);
        rows << w.fileRows[row];
        identities.push_back(index < w.fileIdentities.size() ? w.fileIdentities[index] : 0);
        births.push_back(index < w.fileBirths.size() ? w.fileBirths[index] : 0);
    }
    w.fileRows = std::move(rows);
    w.fileIdentities = std::move(identities);
    w.fileBirths = std::move(births);
}

bool RenameSession::fillNames(NameSource source, const NameSourceInput& input,
                              TagReading& tagReading)
{
    if (source == NameSource::Reapply) {
        generateNames();
        return true;
    }
    CachedTagReading cached(*m_tagCache, *m_workspace, tagReading);
    const auto lines = sourceLines(source, input, {listedFolder(), rows().files}, cached);
    if (lines)
        generateNames(*lines);
    return lines.has_value();
}

void RenameSession::clearNames()
{
    m_workspace->nameRows.clear();
    m_workspace->sourceRecords.clear();
    namesMadeForFileRows();
    namesMade();
}

std::size_t RenameSession::insertName(std::size_t row, const QString& text)
{
    const std::size_t record = insertNameRecord(*m_workspace, row, text);
    namesEdited();
    return record;
}

std::optional<std::size_t> RenameSession::rowOfRecord(std::size_t record) const
{
    return tervane::rowOfRecord(*m_workspace, record);
}

const QString& RenameSession::sourceTextOfRow(std::size_t row) const
{
    return m_workspace->sourceRecords[m_workspace->nameRows[row].record].sourceText;
}

bool RenameSession::modifyName(std::size_t row, const QString& text)
{
    if (text == sourceTextOfRow(row))
        return false;
    m_workspace->sourceRecords[m_workspace->nameRows[row].record].sourceText =
        sourceTextOfLine(text);
    namesEdited();
    return true;
}

void RenameSession::removeNames(const std::vector<bool>& selected)
{
    removeNameRecords(*m_workspace, selected);
    namesEdited();
}

void RenameSession::moveNames(std::vector<bool>& selected, bool up)
{
    moveNameRecords(*m_workspace, selected, up);
    namesEdited();
}

// An edit's names, made at once; with no file listed they wait, as they
// are, for the files a listing brings (their extensions come from them).
void RenameSession::namesEdited()
{
    if (!m_workspace->fileRows.isEmpty()) {
        generateNames();
        return;
    }
    namesMadeForFileRows();
    namesMade();
}

ListRows RenameSession::rows() const
{
    return {m_workspace->fileRows, m_workspace->nameRows};
}

const QString& RenameSession::listedFolder() const
{
    return m_workspace->listedFolder;
}

std::size_t RenameSession::undoSize() const
{
    return m_workspace->undoSet.size();
}

std::optional<QString> RenameSession::undecidedReplacement() const
{
    return tervane::undecidedReplacement(m_workspace->sourceRecords);
}

const QString& RenameSession::holderName(const NameRow& row) const
{
    return m_holders->nameOf(row.holder);
}

bool RenameSession::heldByFile(const NameRow& row) const
{
    return m_holders->isFile(row.holder);
}

void RenameSession::readFileBirths()
{
    m_enumerator->readBirths();
}

RenameSession::FolderHold RenameSession::holdFolder(const QString& folder,
                                                    const TranslationCatalogue& texts,
                                                    const QString& shownFolder, QString& refusal)
{
    auto lock = std::make_shared<const FolderLock>(m_fileSystem, folder);
    if (lock->isLocked())
        return lock;
    refusal = lockRefusal(*lock, texts, shownFolder);
    return nullptr;
}

ListCounterState RenameSession::counterState() const
{
    return listCounterState(*m_workspace, m_nameProblems, !m_namesForOtherFiles);
}

// The rows were made again: their problems are counted, and the doubled ones
// marked, before anyone shows them.
void RenameSession::namesMade()
{
    m_nameProblems = countNameProblems(m_workspace->nameRows);
    m_namesForOtherFiles = namesMadeForOtherFiles();
    ++m_namesMade;
    markTakenNames();
    emit namesChanged();
}

void RenameSession::setResolvesChains(bool resolve)
{
    if (std::exchange(m_resolvesChains, resolve) != resolve)
        namesMade();
}

namespace {

// Whether the folder's file system takes two names that differ only in
// letter case for one: asked once a reading, of one listed name.
bool ignoresCase(const QString& folder, const QStringList& files, const FileSystem& fileSystem)
{
    for (const QString& name : files) {
        QString swapped = name;
        for (QChar& c : swapped)
            if (c.unicode() < 0x80 && c.isLetter())
                c = c.isUpper() ? c.toLower() : c.toUpper();
        if (swapped != name && !files.contains(swapped))
            return fileSystem.fileExists(folder + u'/' + swapped);
    }
    return false;
}

} // namespace

bool RenameSession::holdersCurrent() const
{
    return m_holdersReading == m_enumerator->readings() &&
           m_holdersFolder == m_enumerator->readPath();
}

// From the folder's last reading: no disk is read at each run of the names.
void RenameSession::markTakenNames()
{
    const QString& folder = m_enumerator->readPath();
    if (!holdersCurrent()) {
        const QStringList& files = m_enumerator->allNames();
        m_holders = std::make_unique<NameHolders>(files, m_enumerator->otherNames(),
                                                  ignoresCase(folder, files, m_fileSystem));
        m_holdersReading = m_enumerator->readings();
        m_holdersFolder = folder;
    }
    // Rows that follow a renaming wait for the next reading.
    const bool current = folder == m_listedReading && !m_folderChanged;
    const MarkedNames marked = markNamesTaken(current ? m_workspace->fileRows : QStringList(),
                                              m_workspace->nameRows, *m_holders, m_resolvesChains);
    m_namesTaken = marked.taken;
    m_anyNameHeld = marked.anyHeld;
    m_changedNamesFree = current && marked.changedNamesFree;
    m_markedNames = m_namesMade;
}

void RenameSession::setUndoSet(const QString& folder, std::vector<RenameStep> entries)
{
    m_workspace->listedFolder = folder;
    m_workspace->undoSet = std::move(entries);
    emit undoChanged();
}

RenameSession::PlannedRenaming RenameSession::planRenaming(bool resolve) const
{
    return plan(resolve, m_folderChanged || m_enumerator->readPath() != m_enumerator->path());
}

RenameSession::PlannedRenaming RenameSession::plan(bool resolve, bool readNow) const
{
    std::vector<RenameStep> plan = renamePlan(*m_workspace);
    const QString& folder = m_workspace->listedFolder;
    // Held, the folder answers for the identities of the files to exchange.
    const HeldFolder held(m_fileSystem, folder);
    // By the reading the rows were marked from, no new name is taken and none
    // is another row's old name or new name: the steps run as they come.
    const bool marksCurrent = !readNow && m_markedNames == m_namesMade && holdersCurrent();
    if (resolve && marksCurrent && m_changedNamesFree && m_nameProblems == 0 && !plan.empty()) {
        const std::size_t rows = plan.size();
        std::vector<RenameStep> steps =
            withCaseOnlyRenamesSplit(std::move(plan), folder, m_fileSystem);
        // A step split in two goes through a name of its own.
        const bool independent = steps.size() == rows;
        return {std::move(steps), true, 0, {}, std::vector<bool>(rows, false), independent};
    }
    const FolderNames names =
        readNow ? FolderNames::read(folder, m_fileSystem)
                : FolderNames(folder, m_enumerator->allNames(), m_fileSystem,
                              m_enumerator->identities(), m_enumerator->otherNames());
    if (readNow && !fileRowsStillThere(names)) {
        PlannedRenaming changed;
        changed.filesChanged = true;
        return changed;
    }
    if (resolve && !plan.empty())
        if (auto ordered = orderPlan(plan, folder, m_fileSystem, names))
            return {withCaseOnlyRenamesSplit(std::move(ordered->steps), folder, m_fileSystem),
                    true,
                    0,
                    {},
                    std::move(ordered->rowsInChains)};
    QStringList taken;
    const int conflicts = countConflicts(plan, names, &taken);
    return {withCaseOnlyRenamesSplit(std::move(plan), folder, m_fileSystem),
            false,
            conflicts,
            std::move(taken),
            {}};
}

// Whether each file row's file still bears its name, as the reading now
// tells: a file gone or replaced since the listing would take a name made
// for another.
bool RenameSession::fileRowsStillThere(const FolderNames& names) const
{
    const QStringList& rows = m_workspace->fileRows;
    const std::vector<quint64>& identities = m_workspace->fileIdentities;
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (!names.holdsFile(rows[i], std::size_t(i) < identities.size() ? identities[i] : 0))
            return false;
    const std::vector<qint64>& births = m_workspace->fileBirths;
    return std::all_of(births.begin(), births.end(), [](qint64 birth) { return birth == 0; }) ||
           agreeWhereKnown(births, m_fileSystem.fileBirths(m_workspace->listedFolder, rows));
}

std::vector<bool> RenameSession::rowsInChains() const
{
    const qsizetype rows =
        std::max(m_workspace->fileRows.size(), qsizetype(m_workspace->nameRows.size()));
    std::vector<RenameStep> pairs;
    pairs.reserve(std::size_t(rows));
    for (qsizetype i = 0; i < rows; ++i)
        pairs.push_back(
            {m_workspace->fileRows.value(i), i < qsizetype(m_workspace->nameRows.size())
                                                 ? m_workspace->nameRows[std::size_t(i)].text
                                                 : QString()});
    return tervane::rowsInChains(pairs);
}

std::size_t RenameSession::filesRenamed() const
{
    return filesMoved(m_workspace->undoSet);
}

RenameOutcome RenameSession::rename(const PlannedRenaming& planned, Prompter& prompter,
                                    const TranslationCatalogue& texts, bool conflictsAccepted)
{
    if (planned.filesChanged)
        return RenameOutcome::FilesChanged;
    if (m_namesForOtherFiles)
        return RenameOutcome::NotPossible;
    return runPlan(m_workspace->listedFolder, planned, prompter, texts, conflictsAccepted);
}

RenameOutcome RenameSession::runPlan(const QString& folder, const PlannedRenaming& planned,
                                     Prompter& prompter, const TranslationCatalogue& texts,
                                     bool conflictsAccepted)
{
    const FolderLock lock(m_fileSystem, folder);
    if (!lockedOrReported(lock, folder, prompter, texts))
        return RenameOutcome::Busy;
    std::optional<JournalRecorder> recorder;
    if (m_journal) {
        // An undo of several renamings left unfinished goes no further.
        m_journal->endWalk(folder);
        if (!m_journal->prepare(folder, planned.steps))
            return RenameOutcome::NotRecorded;
        recorder.emplace(*m_journal, folder, planned.steps, planned.independent);
    }
    RenameCommand command(folder, m_fileSystem, prompter, texts, recorder ? &*recorder : nullptr);
    command.watchRenames(m_watcher);
    const RenameOutcome outcome =
        command.run(planned.steps, m_workspace->undoSet, conflictsAccepted || planned.resolved,
                    planned.conflicts);
    runEnded(command, recorder ? &*recorder : nullptr,
             outcome != RenameOutcome::NotPossible && outcome != RenameOutcome::Busy &&
                 outcome != RenameOutcome::Declined);
    return outcome;
}

RenameOutcome RenameSession::planAndRename(bool resolve, Prompter& prompter,
                                           const TranslationCatalogue& texts)
{
    if (m_namesForOtherFiles)
        return RenameOutcome::NotPossible;
    const FolderLock lock(m_fileSystem, m_workspace->listedFolder);
    if (!lockedOrReported(lock, m_workspace->listedFolder, prompter, texts))
        return RenameOutcome::Busy;
    // The listing may be old by now: the plan goes by the folder as it is.
    const RenameOutcome outcome = rename(plan(resolve, true), prompter, texts);
    if (outcome != RenameOutcome::NotPossible && outcome != RenameOutcome::Busy &&
        outcome != RenameOutcome::Declined && outcome != RenameOutcome::NotRecorded)
        listAgain();
    return outcome;
}

RenameOutcome RenameSession::undo(Prompter& prompter, const TranslationCatalogue& texts,
                                  const QString& undoneFolder, std::size_t renamings)
{
    const QString folder = undoneFolder.isEmpty() ? m_workspace->listedFolder : undoneFolder;
    const FolderLock lock(m_fileSystem, folder);
    if (!lockedOrReported(lock, folder, prompter, texts))
        return RenameOutcome::Busy;
    const RenameOutcome outcome = undoWalk(folder, prompter, texts, renamings);
    // The renaming before is the next to undo, as Annuler shows; what the
    // undo found stays what it found.
    if (m_journal && outcome == RenameOutcome::Finished) {
        const LoadedJournal found = m_journalLoaded;
        loadJournal(folder);
        m_journalLoaded = found;
    }
    // The listed folder is read again, also when another program undid its
    // renaming already, or put another folder in its place: the rows show
    // what it did.
    if (undoneFolder.isEmpty() && (outcome != RenameOutcome::NotRecorded ||
                                   m_journalLoaded.status == JournalLoad::OtherFolder))
        listAgain();
    return outcome;
}

RenameOutcome RenameSession::undoWalk(const QString& folder, Prompter& prompter,
                                      const TranslationCatalogue& texts, std::size_t renamings)
{
    if (!m_journal)
        return undoLocked(folder, prompter, texts);
    // The size the history is to have once done, on record before the first
    // undo: one killed goes on with the next undo, to there. One killed once
    // there is over, and this undo is asked afresh.
    m_journal->read(folder);
    const std::size_t size = m_journal->historySize(folder);
    std::optional<std::size_t> target = m_journal->walkTarget(folder);
    if (target && size <= *target) {
        m_journal->endWalk(folder);
        target.reset();
    }
    if (!target && renamings > 1) {
        target = size > renamings ? size - renamings : 0;
        if (!m_journal->beginWalk(folder, *target)) {
            m_journalLoaded = {JournalLoad::NotRecorded};
            return RenameOutcome::NotRecorded;
        }
    }
    RenameOutcome outcome = undoLocked(folder, prompter, texts);
    while (target && outcome == RenameOutcome::Finished && m_journalSaved &&
           m_journal->historySize(folder) > *target)
        outcome = undoLocked(folder, prompter, texts);
    if (target)
        m_journal->endWalk(folder);
    return outcome;
}

RenameOutcome RenameSession::redo(Prompter& prompter, const TranslationCatalogue& texts,
                                  const QString& redoneFolder)
{
    const QString folder = redoneFolder.isEmpty() ? m_workspace->listedFolder : redoneFolder;
    if (!m_journal)
        return RenameOutcome::NotPossible;
    const FolderLock lock(m_fileSystem, folder);
    if (!lockedOrReported(lock, folder, prompter, texts))
        return RenameOutcome::Busy;
    const RenameJournal::Reading reading = m_journal->readRedo(folder);
    if (reading.status != RenameJournal::Status::Valid || reading.entry.steps.empty())
        return RenameOutcome::NotPossible;
    // Rows whose name did not change rename nothing, and their file may be
    // gone since.
    PlannedRenaming planned;
    std::copy_if(reading.entry.steps.begin(), reading.entry.steps.end(),
                 std::back_inserter(planned.steps),
                 [](const RenameStep& step) { return step.from != step.to; });
    if (planned.steps.empty())
        return RenameOutcome::NotPossible;
    planned.resolved = true;
    // The rows show what changed the files since.
    m_journal->setRedoing(true);
    const auto notRedoing = qScopeGuard([this] { m_journal->setRedoing(false); });
    const RenameOutcome outcome = stillWhereUndoLeft(planned.steps, folder)
                                      ? runPlan(folder, planned, prompter, texts, true)
                                      : RenameOutcome::FilesChanged;
    if (redoneFolder.isEmpty() && outcome != RenameOutcome::Busy &&
        outcome != RenameOutcome::NotRecorded)
        listAgain();
    return outcome;
}

bool RenameSession::canRedo(const QString& folder) const
{
    return m_journal && m_journal->hasRedo(folder);
}

// Every file the steps move first bears the name they move it from, and is
// the file they moved: nothing another program put in its place.
bool RenameSession::stillWhereUndoLeft(const std::vector<RenameStep>& steps,
                                       const QString& folder) const
{
    NameSet reached;
    const auto isThere = [&](const QString& name, quint64 file) {
        if (reached.count(name) != 0)
            return true;
        const QString path = folder + u'/' + name;
        return file ? m_fileSystem.fileIdentity(path) == file : m_fileSystem.isRegularFile(path);
    };
    for (const RenameStep& step : steps) {
        if (!isThere(step.from, step.fromFile) ||
            (step.isExchange() && !isThere(step.to, step.toFile)))
            return false;
        reached.insert(step.to);
        if (step.isExchange())
            reached.insert(step.from);
    }
    return true;
}

RenameOutcome RenameSession::undoLocked(const QString& folder, Prompter& prompter,
                                        const TranslationCatalogue& texts)
{
    std::optional<JournalRecorder> recorder;
    if (m_journal) {
        const JournalLoad status = loadJournal(folder).status;
        if (status != JournalLoad::Loaded)
            return status == JournalLoad::Missing ? RenameOutcome::NotPossible
                                                  : RenameOutcome::NotRecorded;
        recorder.emplace(*m_journal, folder, m_workspace->undoSet, m_journalIndex);
    }
    RenameCommand command(folder, m_fileSystem, prompter, texts, recorder ? &*recorder : nullptr);
    command.watchRenames(m_watcher);
    const RenameOutcome outcome = command.undo(m_workspace->undoSet, m_undoPlannedAt);
    runEnded(command, recorder ? &*recorder : nullptr, outcome != RenameOutcome::Busy);
    return outcome;
}

// After a renaming or an undo: whether its journal kept up, and the file
// rows following the renames it made.
void RenameSession::runEnded(const RenameCommand& command, const JournalRecorder* recorder,
                             bool renamesMade)
{
    m_journalSaved = !recorder || recorder->saved();
    m_journalIndex.clear();
    if (renamesMade)
        followRenames(command.renamesMade());
    emit undoChanged();
}

void RenameSession::keepJournal(const QString& journalFolder, const QString& earlierFolder,
                                FrontEnd maker)
{
    m_journal = std::make_unique<RenameJournal>(journalFolder, m_fileSystem);
    m_journal->adoptEarlierJournals(earlierFolder);
    m_journal->setMaker(maker);
}

void RenameSession::setHistoryLength(int renamings)
{
    if (m_journal)
        m_journal->setHistoryLength(renamings);
}

QString RenameSession::journalLocation() const
{
    return m_journal ? m_journal->location() : QString();
}

QString RenameSession::journalFileOf(const QString& folder) const
{
    return m_journal ? m_journal->fileFor(folder) : QString();
}

RenameSession::LoadedJournal RenameSession::loadJournal(const QString& folder)
{
    if (!m_journal)
        return {};
    m_journalLoaded = readJournal(folder);
    if (m_journalLoaded.status != JournalLoad::Loaded && !m_workspace->undoSet.empty())
        setUndoSet(folder, {});
    return m_journalLoaded;
}

namespace {

// Left by a run or an undo that did not end: some files may still lack the
// names it was to give them.
bool leftUnfinished(const RenameJournal::Entry& entry)
{
    return !entry.completed ||
           std::find(entry.settled.begin(), entry.settled.end(), true) != entry.settled.end();
}

} // namespace

namespace {

// What an entry of the history has left to undo.
RenameSession::HistoryEntry historyEntryOf(const RenameJournal::Entry& entry, std::size_t done)
{
    RenameSession::HistoryEntry shown{
        entry.plannedAt, entry.madeBy, {}, false, leftUnfinished(entry)};
    for (std::size_t i = 0; i < done && i < entry.steps.size(); ++i)
        if (!entry.settled[i])
            shown.steps.push_back(entry.steps[i]);
    return shown;
}

RenameSession::HistoryEntry damagedEntry()
{
    RenameSession::HistoryEntry entry;
    entry.damaged = true;
    return entry;
}

} // namespace

RenameSession::History RenameSession::history(const QString& folder)
{
    History found;
    if (!m_journal)
        return found;
    const FolderLock lock(m_fileSystem, folder);
    if (!lock.isLocked())
        return {JournalLoad::Busy};
    const RenameJournal::Reading latest = m_journal->read(folder);
    switch (latest.status) {
    case RenameJournal::Status::Missing:
        return found;
    case RenameJournal::Status::OtherFolder:
        return {JournalLoad::OtherFolder};
    case RenameJournal::Status::Unreadable:
    case RenameJournal::Status::Damaged:
        found.status = latest.status == RenameJournal::Status::Damaged ? JournalLoad::Damaged
                                                                       : JournalLoad::Unreadable;
        found.problem = latest.problem;
        found.entries.push_back(damagedEntry());
        return found;
    case RenameJournal::Status::Valid:
        break;
    }
    found.status = JournalLoad::Loaded;
    const RenameJournal::Entry& entry = latest.entry;
    found.entries.push_back(historyEntryOf(
        entry, entry.doneIsExact ? entry.knownDone
                                 : stepsDoneOfInterruptedRun(entry.steps, entry.knownDone, folder,
                                                             m_fileSystem)));
    for (const RenameJournal::Reading& older : m_journal->readHistory(folder)) {
        if (older.status != RenameJournal::Status::Valid) {
            found.entries.push_back(damagedEntry());
            break;
        }
        found.entries.push_back(historyEntryOf(older.entry, older.entry.knownDone));
    }
    return found;
}

bool RenameSession::journalInterrupted(const QString& folder)
{
    if (!m_journal)
        return false;
    const RenameJournal::Reading reading = m_journal->read(folder);
    return reading.status == RenameJournal::Status::Valid && leftUnfinished(reading.entry);
}

RenameSession::LoadedJournal RenameSession::readJournal(const QString& folder)
{
    const FolderLock lock(m_fileSystem, folder);
    if (!lock.isLocked())
        return {JournalLoad::Busy};
    const RenameJournal::Reading reading = m_journal->read(folder);
    switch (reading.status) {
    case RenameJournal::Status::Missing:
        return {JournalLoad::Missing};
    case RenameJournal::Status::Unreadable:
        return {JournalLoad::Unreadable, reading.problem};
    case RenameJournal::Status::Damaged:
        return {JournalLoad::Damaged};
    case RenameJournal::Status::OtherFolder:
        return {JournalLoad::OtherFolder};
    case RenameJournal::Status::Valid:
        break;
    }
    const RenameJournal::Entry& entry = reading.entry;
    const bool interrupted = leftUnfinished(entry);
    std::size_t done = entry.knownDone;
    if (!entry.doneIsExact) {
        done = stepsDoneOfInterruptedRun(entry.steps, entry.knownDone, folder, m_fileSystem);
        if (!m_journal->recordRunEnd(done))
            return {JournalLoad::NotRecorded};
    }
    std::vector<RenameStep> entries;
    std::vector<std::size_t> journalIndex;
    for (std::size_t i = 0; i < done; ++i) {
        if (!entry.settled[i]) {
            entries.push_back(entry.steps[i]);
            journalIndex.push_back(i);
        }
    }
    // Every file settled already (by an undo whose journal could not go):
    // that undo is over, and the renaming before it is the one to undo.
    if (entries.empty() && done > 0) {
        const std::vector<RenameStep> undone(entry.steps.begin(),
                                             entry.steps.begin() + std::ptrdiff_t(done));
        if (!m_journal->keepForRedo(folder, undone) || !m_journal->rewrite(folder, {}))
            return {JournalLoad::NotRecorded};
        setUndoSet(folder, {});
        return readJournal(folder);
    }
    m_journalIndex = std::move(journalIndex);
    m_undoPlannedAt = entry.plannedAt;
    setUndoSet(folder, std::move(entries));
    return {JournalLoad::Loaded, {}, interrupted};
}

// Renames made one a row, in the order of the rows, as most plans run: each
// row takes its new name.
bool RenameSession::followedRowByRow(const std::vector<RenameStep>& renames)
{
    QStringList& rows = m_workspace->fileRows;
    if (qsizetype(renames.size()) != rows.size())
        return false;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const RenameStep& step = renames[std::size_t(row)];
        if (step.isExchange() || step.from != rows[row])
            return false;
    }
    for (qsizetype row = 0; row < rows.size(); ++row)
        rows[row] = renames[std::size_t(row)].to;
    return true;
}

// Each file row follows its file through the renames, in its place, and so
// do the files the names were made for: the names stay theirs, under
// whatever names the renames gave them. The next listing reads the folder
// again, whatever it is asked.
void RenameSession::followRenames(const std::vector<RenameStep>& renames)
{
    m_folderChanged = m_folderChanged || !renames.empty();
    QStringList& madeFor = m_workspace->namesMadeFor.files;
    const bool madeForRows = madeFor == m_workspace->fileRows;
    if (!followedRowByRow(renames))
        followByName(m_workspace->fileRows, renames);
    if (madeForRows)
        madeFor = m_workspace->fileRows;
    else
        followByName(madeFor, renames);
    fileRowsChanged(); // none marked until the folder is read again
}

// Renames in any order: each name found by the name its file bore.
void RenameSession::followByName(QStringList& names, const std::vector<RenameStep>& renames)
{
    NameIndex<qsizetype> rowOf;
    rowOf.reserve(std::size_t(names.size()));
    for (qsizetype row = 0; row < names.size(); ++row)
        rowOf.emplace(names[row], row);
    const auto take = [&rowOf](const QString& name) {
        const auto found = rowOf.find(name);
        if (found == rowOf.end())
            return qsizetype(-1);
        const qsizetype row = found->second;
        rowOf.erase(found);
        return row;
    };
    for (const RenameStep& step : renames) {
        const qsizetype fromRow = take(step.from);
        const qsizetype toRow = take(step.to);
        if (step.isExchange() && toRow >= 0) {
            names[toRow] = step.from;
            rowOf.emplace(step.from, toRow);
        }
        if (fromRow >= 0) {
            names[fromRow] = step.to;
            rowOf.emplace(step.to, fromRow);
        }
    }
}

} // namespace tervane
