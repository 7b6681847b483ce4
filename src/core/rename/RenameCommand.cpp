#include "rename/RenameCommand.h"

#include "rename/FolderLock.h"
#include "i18n/TranslationCatalogue.h"
#include "text/NameKey.h"
#include "services/Prompter.h"

#include <QDir>
#include <QHash>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool plansPair(const RenameWorkspace& workspace)
{
    return !workspace.FileRows.isEmpty() &&
           std::size_t(workspace.FileRows.size()) == workspace.NameRows.size();
}

QString detailOf(const RenameResult& result)
{
    return u'\t' + result.description;
}

} // namespace

clsAnnulation CreateUndoEntry(const QString& current, const QString& newName)
{
    return {current, newName};
}

int CountConflicts(const RenameWorkspace& workspace, const FileSystem& fileSystem)
{
    // One reading of the folder answers for most names. A name present in
    // its other Unicode form is taken, as the names list counts the two as
    // one name; the file system itself decides about letter case and about
    // hidden names, which the reading leaves out.
    const QString folder = workspace.ListedFolder + u'/';
    const QStringList present = fileSystem.listFiles(workspace.ListedFolder);
    const QSet<QString> exact(present.begin(), present.end());
    QSet<QString> keys;
    QSet<QString> composed; // present names that were not composed, composed
    for (const QString& name : present) {
        keys.insert(NameKey(name));
        if (MayNeedComposing(name))
            composed.insert(name.normalized(QString::NormalizationForm_C));
    }
    const auto taken = [&](const QString& name) {
        if (exact.contains(name))
            return true;
        if (name.startsWith(u'.'))
            return fileSystem.fileExists(folder + name);
        if (!keys.contains(NameKey(name)))
            return false;
        const QString nfc = name.normalized(QString::NormalizationForm_C);
        return exact.contains(nfc) || composed.contains(nfc) || fileSystem.fileExists(folder + name);
    };

    int conflicts = 0;
    const std::size_t rows =
        std::min(std::size_t(workspace.FileRows.size()), workspace.NameRows.size());
    for (std::size_t i = 0; i < rows; ++i) {
        const QString& newName = workspace.NameRows[i].text;
        if (newName != workspace.FileRows[qsizetype(i)] && IsBareFileName(newName) &&
            taken(newName))
            ++conflicts;
    }
    return conflicts;
}

RenameCommand::RenameCommand(RenameWorkspace& workspace, FileSystem& fileSystem, Prompter& prompter,
                             const colTraductions& texts, RenameRecorder* recorder)
    : m_workspace(workspace)
    , m_fileSystem(fileSystem)
    , m_prompter(prompter)
    , m_texts(texts)
    , m_recorder(recorder)
{}

RenameCommand::~RenameCommand()
{
    setBusy(false);
}

void RenameCommand::setBusy(bool busy)
{
    if (busy != m_busy)
        m_prompter.setBusy(busy);
    m_busy = busy;
}

QString ConflictMessage(const colTraductions& texts, int conflicts)
{
    return conflicts == 1
               ? texts.Item(u"MSG_CONFLIT_DETECTE"_s)
               : InsertValues(texts.Item(u"MSG_CONFLITS_DETECTES"_s), {QString::number(conflicts)});
}

bool RenameCommand::lockedOrReported(const FolderLock& lock)
{
    if (lock.isLocked())
        return true;
    m_prompter.message(InsertValues(m_texts.Item(u"MSG_RENOMMAGE_EN_COURS"_s),
                                    {QDir::toNativeSeparators(m_workspace.ListedFolder)}),
                       MessageIcon::Exclamation);
    return false;
}

RenameOutcome RenameCommand::run(bool conflictsAccepted)
{
    if (!plansPair(m_workspace))
        return RenameOutcome::NotPossible;
    const FolderLock lock(m_workspace.ListedFolder);
    if (!lockedOrReported(lock))
        return RenameOutcome::Busy;
    setBusy(true);
    const int conflicts = CountConflicts(m_workspace, m_fileSystem);
    RenameOutcome outcome = RenameOutcome::Declined;
    if (conflicts == 0 || conflictsAccepted || confirmConflicts(conflicts))
        outcome = execute() ? RenameOutcome::Finished : RenameOutcome::StepFailed;
    if (m_recorder)
        m_recorder->finished(m_workspace.UndoSet);
    return outcome;
}

bool RenameCommand::confirmConflicts(int conflicts)
{
    setBusy(false);
    if (!m_prompter.ask(ConflictMessage(m_texts, conflicts) + u"\r\n\r\n"_s +
                            m_texts.Item(u"MSG_OUTREPASSER_CONFLITS"_s),
                        MessageIcon::Exclamation))
        return false;
    setBusy(true);
    return true;
}

bool RenameCommand::execute()
{
    const QString& folder = m_workspace.ListedFolder;
    const HeldFolder held(m_fileSystem, folder);
    const std::size_t rows = m_workspace.NameRows.size();
    for (std::size_t i = 0; i < rows; ++i) {
        const QString current = m_workspace.FileRows[qsizetype(i)];
        const QString newName = m_workspace.NameRows[i].text;
        const RenameResult result = m_fileSystem.renameNoReplace(folder, current, newName);
        if (!result.ok) {
            reportFailedStep(i, result);
            return false;
        }
        // The previous renaming stays undoable until this one has begun.
        if (i == 0)
            m_workspace.UndoSet.clear();
        m_workspace.UndoSet.push_back(CreateUndoEntry(current, newName));
        if (m_recorder)
            m_recorder->stepDone(i);
    }
    setBusy(false);
    return true;
}

void RenameCommand::reportFailedStep(std::size_t row, const RenameResult& result)
{
    setBusy(false);
    const QString message =
        InsertValues(m_texts.Item(u"MSG_ERREUR_RENOMMAGE"_s),
                     {QString::number(result.errorNumber), m_workspace.FileRows[qsizetype(row)],
                      m_workspace.NameRows[row].text, detailOf(result)});
    if (row == 0) {
        m_prompter.message(message, MessageIcon::Critical);
        return;
    }
    const bool rollBack = m_prompter.ask(
        message + u"\r\n\r\n"_s + m_texts.Item(u"MSG_ERREUR_RENOMMAGE_FICHIERS_TRAITES"_s),
        MessageIcon::Critical);
    if (rollBack)
        renameBack();
}

RenameOutcome RenameCommand::undo()
{
    const FolderLock lock(m_workspace.ListedFolder);
    if (!lockedOrReported(lock))
        return RenameOutcome::Busy;
    setBusy(true);
    renameBack();
    setBusy(false);
    if (m_recorder)
        m_recorder->finished(m_workspace.UndoSet);
    return m_workspace.UndoSet.empty() ? RenameOutcome::Finished : RenameOutcome::StepFailed;
}

void RenameCommand::renameBack()
{
    const QString& folder = m_workspace.ListedFolder;
    const HeldFolder held(m_fileSystem, folder);
    auto& entries = m_workspace.UndoSet;
    std::vector<bool> kept(entries.size(), false);
    QHash<QString, std::size_t> keptByNewName;
    std::vector<std::pair<clsAnnulation, RenameResult>> failures;
    // Later steps are undone first, so each one finds the folder as it was
    // right after it: chains and swaps unwind.
    for (std::size_t i = entries.size(); i-- > 0;) {
        const clsAnnulation& entry = entries[i];
        if (entry.Ancien != entry.Nouveau) {
            const RenameResult result =
                m_fileSystem.renameNoReplace(folder, entry.Nouveau, entry.Ancien);
            if (!result.ok && !alreadyRestored(entry)) {
                kept[i] = true;
                keptByNewName.insert(entry.Nouveau, i);
                failures.emplace_back(entry, result);
                continue;
            }
            // A kept entry whose new name this file now has again had lost
            // its file (moved away): another attempt would move this one.
            if (const auto stale = keptByNewName.constFind(entry.Ancien);
                stale != keptByNewName.cend()) {
                kept[*stale] = false;
                if (m_recorder)
                    m_recorder->entrySettled(*stale);
                keptByNewName.erase(stale);
            }
        }
        if (m_recorder)
            m_recorder->entrySettled(i);
    }
    std::vector<clsAnnulation> left;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (kept[i])
            left.push_back(entries[i]);
    entries = std::move(left);
    if (!failures.empty()) {
        std::reverse(failures.begin(), failures.end());
        reportUnrestored(failures);
    }
}

// The file was given its old name back already: by an undo that was
// interrupted, or by hand.
bool RenameCommand::alreadyRestored(const clsAnnulation& entry) const
{
    const QString prefix = m_workspace.ListedFolder + u'/';
    return IsBareFileName(entry.Ancien) && IsBareFileName(entry.Nouveau) &&
           m_fileSystem.fileExists(prefix + entry.Ancien) &&
           !m_fileSystem.fileExists(prefix + entry.Nouveau);
}

// One message for every entry left unrestored, in the order of the set: the
// first in full, the others listed, then what becomes of them.
void RenameCommand::reportUnrestored(
    const std::vector<std::pair<clsAnnulation, RenameResult>>& failures)
{
    constexpr std::size_t Listed = 20;
    setBusy(false);
    const auto& [first, firstResult] = failures.front();
    QString text = InsertValues(m_texts.Item(u"MSG_ERREUR_ANNULATION_RENOMMAGE"_s),
                                {QString::number(firstResult.errorNumber), first.Nouveau,
                                 detailOf(firstResult)});
    if (failures.size() > 1) {
        text += u"\r\n\r\n"_s + InsertValues(m_texts.Item(u"MSG_ERREUR_ANNULATION_AUTRES"_s),
                                               {QString::number(failures.size() - 1)});
        for (std::size_t i = 1; i < failures.size() && i <= Listed; ++i) {
            const auto& [entry, result] = failures[i];
            text += u"\r\n'%1' (%2) : %3"_s.arg(entry.Nouveau).arg(result.errorNumber).arg(
                result.description);
        }
        if (failures.size() > Listed + 1)
            text += u"\r\n..."_s;
    }
    text += u"\r\n\r\n"_s + m_texts.Item(u"MSG_ANNULATION_A_REPRENDRE"_s);
    m_prompter.message(text, MessageIcon::Critical);
}

std::size_t StepsDoneOfInterruptedRun(const std::vector<clsAnnulation>& steps,
                                      std::size_t knownDone, const QString& folder,
                                      const FileSystem& fileSystem)
{
    const QString prefix = folder + u'/';
    const auto changed = [](const clsAnnulation& step) {
        return step.Ancien != step.Nouveau && IsBareFileName(step.Ancien) &&
               IsBareFileName(step.Nouveau);
    };
    // A step done keeps its new name (no later step of the run takes it,
    // as its file was the old name of none), so the run stopped before the
    // first step whose new name is missing.
    std::size_t end = knownDone;
    while (end < steps.size() &&
           (!changed(steps[end]) || fileSystem.fileExists(prefix + steps[end].Nouveau)))
        ++end;
    // Before that, at the last step that looks done: its old name is gone
    // too (a later step may give an old name back, as in a chain).
    for (std::size_t i = end; i-- > knownDone;) {
        if (changed(steps[i]) && !fileSystem.fileExists(prefix + steps[i].Ancien))
            return i + 1;
    }
    return knownDone;
}
