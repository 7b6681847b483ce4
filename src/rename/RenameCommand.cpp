#include "RenameCommand.h"

#include "i18n/TranslationCatalogue.h"
#include "naming/TextHelpers.h"
#include "platform/Prompter.h"

#include <QSet>

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
    // One reading of the folder answers for most names; the file system
    // itself is asked only where its rules may differ from an exact
    // comparison: hidden names, and names found in other letter case.
    const QString folder = workspace.ListedFolder + u'/';
    const QStringList present = fileSystem.listFiles(workspace.ListedFolder);
    const QSet<QString> exact(present.begin(), present.end());
    QSet<QString> folded;
    for (const QString& name : present)
        folded.insert(FoldCase(name));
    const auto exists = [&](const QString& name) {
        if (exact.contains(name))
            return true;
        if (name.startsWith(u'.') || folded.contains(FoldCase(name)))
            return fileSystem.fileExists(folder + name);
        return false;
    };

    int conflicts = 0;
    const std::size_t rows =
        std::min(std::size_t(workspace.FileRows.size()), workspace.NameRows.size());
    for (std::size_t i = 0; i < rows; ++i) {
        const QString& newName = workspace.NameRows[i].text;
        if (newName != workspace.FileRows[qsizetype(i)] && IsBareFileName(newName) &&
            exists(newName))
            ++conflicts;
    }
    return conflicts;
}

RenameCommand::RenameCommand(RenameWorkspace& workspace, FileSystem& fileSystem, Prompter& prompter,
                             const colTraductions& texts)
    : m_workspace(workspace)
    , m_fileSystem(fileSystem)
    , m_prompter(prompter)
    , m_texts(texts)
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

RenameOutcome RenameCommand::run(bool conflictsAccepted)
{
    if (!plansPair(m_workspace))
        return RenameOutcome::NotPossible;
    setBusy(true);
    const int conflicts = CountConflicts(m_workspace, m_fileSystem);
    if (conflicts > 0 && !conflictsAccepted && !confirmConflicts(conflicts))
        return RenameOutcome::Declined;
    return execute() ? RenameOutcome::Finished : RenameOutcome::StepFailed;
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
        renameBack(false);
}

void RenameCommand::undo()
{
    setBusy(true);
    renameBack(false);
    setBusy(false);
}

void RenameCommand::undoInterrupted(const std::vector<clsAnnulation>& plan)
{
    m_workspace.UndoSet = plan;
    setBusy(true);
    renameBack(true);
    setBusy(false);
}

void RenameCommand::renameBack(bool onlyStepsDone)
{
    const QString& folder = m_workspace.ListedFolder;
    const QString prefix = folder + u'/';
    const HeldFolder held(m_fileSystem, folder);
    auto& entries = m_workspace.UndoSet;
    m_unrestored.clear();
    // Later steps are undone first, so each one finds the folder as it was
    // right after it: chains and swaps unwind.
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (onlyStepsDone &&
            !(IsBareFileName(entry->Nouveau) && IsBareFileName(entry->Ancien) &&
              entry->Ancien != entry->Nouveau && m_fileSystem.fileExists(prefix + entry->Nouveau) &&
              !m_fileSystem.fileExists(prefix + entry->Ancien)))
            continue;
        const RenameResult result =
            m_fileSystem.renameNoReplace(folder, entry->Nouveau, entry->Ancien);
        if (!result.ok) {
            setBusy(false);
            m_prompter.message(InsertValues(m_texts.Item(u"MSG_ERREUR_ANNULATION_RENOMMAGE"_s),
                                            {QString::number(result.errorNumber), entry->Nouveau,
                                             detailOf(result)}),
                               MessageIcon::Critical);
            m_unrestored.assign(entries.begin(), entry.base());
            break;
        }
    }
    entries.clear();
}
