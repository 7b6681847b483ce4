// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/MainWindow.h"

#include "dialogs/RenamingHistory.h"
#include "dialogs/RenamingProgress.h"
#include "i18n/TextKeys.h"
#include "i18n/TranslationCatalogue.h"
#include "lists/PairedLists.h"
#include "rename/RenameOutcome.h"
#include "services/Prompter.h"
#include "text/FileNameBytes.h"

#include <QAction>
#include <QDateTime>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

// A folder's path as a message shows it: a line may break after its slashes
// only where the path itself is too long for one.
QString pathInText(const QString& path)
{
    QString glued = path;
    glued.replace(u'/', u"/\u2060"_s);
    return u"\u2060"_s + glued;
}

} // namespace

// A long renaming or undo shows how far it has gone.
template <typename Command>
RenameOutcome MainWindow::withProgress(const QString& captionKey, qsizetype renames,
                                       Command command)
{
    RenamingProgress progress(this, text(captionKey), renames);
    m_session.watchRenames([&progress](const RenameStep&) { progress.renamed(); });
    const RenameOutcome outcome = command();
    m_session.watchRenames({});
    return outcome;
}

// The session ends a renaming by reading the folder again: the file rows
// show the names now on disk, and the marks what holds the names now.
void MainWindow::renameClicked()
{
    const RenameOutcome outcome =
        withProgress(TextKey::RenamingInProgress, m_session.rows().files.size(), [this] {
            return m_session.planAndRename(m_ui.resolvePermutationsAction->isChecked(),
                                           m_context.prompter, m_state.catalogue);
        });
    if (outcome == RenameOutcome::NotRecorded)
        warn(TextKey::JournalNotWritten, {m_session.journalLocation()});
    if (outcome == RenameOutcome::NotPossible || outcome == RenameOutcome::Declined ||
        outcome == RenameOutcome::Busy || outcome == RenameOutcome::NotRecorded)
        return;
    filesListedAgain();
    if (outcome == RenameOutcome::FilesChanged) {
        warn(TextKey::FolderChanged, {});
        return;
    }
    warnIfJournalBehind(outcome);
    m_pairedLists->nameRowClicked(0);
}

// The undo is of the folder's last renaming as its journal keeps it now,
// whichever program made it. One that another program undid already is
// said, and the folder read again to show what it did.
void MainWindow::undoClicked()
{
    undoEnded(withProgress(TextKey::UndoInProgress, qsizetype(m_session.undoSize()), [this] {
        return m_session.undo(m_context.prompter, m_state.catalogue);
    }));
}

void MainWindow::undoEnded(RenameOutcome outcome)
{
    if (outcome == RenameOutcome::NotRecorded) {
        warnOfJournal(m_session.journalLoaded());
        if (m_session.journalLoaded().status == RenameSession::JournalLoad::OtherFolder)
            filesListedAgain();
    }
    if (outcome == RenameOutcome::Busy || outcome == RenameOutcome::NotRecorded)
        return;
    filesListedAgain();
    if (outcome == RenameOutcome::NotPossible) {
        warn(TextKey::NothingLeftToUndo, {});
        return;
    }
    warnIfJournalBehind(outcome);
    if (!m_session.rows().names.empty())
        m_pairedLists->nameRowClicked(0);
}

namespace {

// "date — front end — files — first names before → after".
QString historyRow(const RenameSession::HistoryEntry& entry, const TranslationCatalogue& texts)
{
    constexpr std::size_t NamesShown = 3;
    if (entry.damaged)
        return texts.item(TextKey::HistoryDamaged);
    QStringList parts;
    if (entry.madeAt != 0)
        parts << QLocale().toString(QDateTime::fromMSecsSinceEpoch(entry.madeAt / 1'000'000),
                                    QLocale::ShortFormat);
    if (entry.madeBy != FrontEnd::Unknown)
        parts << texts.item(entry.madeBy == FrontEnd::Window ? TextKey::HistoryMadeByWindow
                                                             : TextKey::HistoryMadeByCommandLine);
    const std::size_t files = filesMoved(entry.steps);
    QString count =
        insertValues(texts.item(texts.takesSingular(qsizetype(files)) ? TextKey::HistoryFile
                                                                      : TextKey::HistoryFiles),
                     {QString::number(files)});
    if (entry.interrupted)
        count += u' ' + texts.item(TextKey::HistoryInterrupted);
    parts << count;
    const std::vector<RenameStep> renamed = namesBeforeAndAfter(entry.steps);
    QStringList names;
    for (std::size_t i = 0; i < renamed.size() && i < NamesShown; ++i)
        names << shownFileName(renamed[i].from) + u" → "_s + shownFileName(renamed[i].to);
    if (renamed.size() > NamesShown)
        names << u"…"_s;
    if (!names.isEmpty())
        parts << names.join(u", "_s);
    return parts.join(u" — "_s);
}

} // namespace

// The renamings of the listed folder, to undo back to one of them: each in
// turn, latest first, after one confirmation.
void MainWindow::historyClicked()
{
    const QString& folder = m_session.listedFolder();
    if (folder.isEmpty() || !m_session.keepsJournal())
        return;
    const RenameSession::History history = m_session.history(folder);
    if (history.status == RenameSession::JournalLoad::Busy) {
        warn(TextKey::FolderBusy, {pathInText(folder)});
        return;
    }
    if (history.status == RenameSession::JournalLoad::OtherFolder) {
        warnOfJournal({history.status});
        return;
    }
    if (history.entries.empty()) {
        warn(TextKey::HistoryEmpty, {});
        return;
    }
    QStringList rows;
    qsizetype undoable = -1; // up to the first damaged entry
    for (const RenameSession::HistoryEntry& entry : history.entries) {
        if (entry.damaged && undoable < 0)
            undoable = rows.size();
        rows << historyRow(entry, m_state.catalogue);
    }
    if (undoable < 0)
        undoable = rows.size();
    RenamingHistory dialog(rows, undoable, m_state.catalogue, this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenRenamings() < 1)
        return;
    const auto renamings = std::size_t(dialog.chosenRenamings());
    if (renamings > 1 && !m_context.prompter.ask(insertValues(text(TextKey::UndoSeveral),
                                                              {QString::number(renamings)})))
        return;
    std::size_t files = 0;
    for (std::size_t i = 0; i < renamings; ++i)
        files += history.entries[i].steps.size();
    undoEnded(withProgress(TextKey::UndoInProgress, qsizetype(files), [this, renamings] {
        return m_session.undo(m_context.prompter, m_state.catalogue, {}, renamings);
    }));
}

// Rétablir: what the last undo gave back is renamed again, as a renaming.
void MainWindow::redoClicked()
{
    const RenameOutcome outcome =
        withProgress(TextKey::RedoInProgress, m_session.rows().files.size(),
                     [this] { return m_session.redo(m_context.prompter, m_state.catalogue); });
    switch (outcome) {
    case RenameOutcome::NotPossible:
        warn(TextKey::NothingToRedo, {});
        return;
    case RenameOutcome::NotRecorded:
        warn(TextKey::JournalNotWritten, {m_session.journalLocation()});
        return;
    case RenameOutcome::Busy:
        return;
    case RenameOutcome::FilesChanged:
        filesListedAgain();
        warn(TextKey::RedoFilesChanged, {});
        return;
    default:
        break;
    }
    filesListedAgain();
    warnIfJournalBehind(outcome);
}

// The listed folder's journal gives Annuler its renaming, after a restart
// too. One that cannot be used is said; one left by an interrupted run or
// undo is offered to finish at once, once the window shows.
void MainWindow::readFolderJournal()
{
    if (!m_session.keepsJournal() || m_session.listedFolder().isEmpty())
        return;
    const RenameSession::LoadedJournal loaded = m_session.loadJournal(m_session.listedFolder());
    // Another run holds the folder: its journal is read at the next listing.
    m_journalReadFor =
        loaded.status == RenameSession::JournalLoad::Busy ? QString() : m_session.listedFolder();
    m_journalToTell = true;
    if (!m_state.isLoading)
        tellFolderJournal();
}

void MainWindow::tellFolderJournal()
{
    if (!std::exchange(m_journalToTell, false))
        return;
    const RenameSession::LoadedJournal& loaded = m_session.journalLoaded();
    warnOfJournal(loaded);
    if (loaded.status == RenameSession::JournalLoad::Loaded && loaded.interrupted &&
        m_context.prompter.ask(
            insertValues(text(TextKey::ResumeInterrupted), {pathInText(m_session.listedFolder())})))
        undoClicked();
}

void MainWindow::warnOfJournal(const RenameSession::LoadedJournal& loaded)
{
    const QString file = m_session.journalFileOf(m_session.listedFolder());
    switch (loaded.status) {
    case RenameSession::JournalLoad::Unreadable:
        warn(TextKey::JournalUnreadable, {file, loaded.problem});
        break;
    case RenameSession::JournalLoad::Damaged:
        warn(TextKey::JournalDamaged, {file});
        break;
    case RenameSession::JournalLoad::OtherFolder:
        warn(TextKey::JournalOtherFolder, {pathInText(m_session.listedFolder())});
        break;
    case RenameSession::JournalLoad::NotRecorded:
        warn(TextKey::JournalBehind, {file});
        break;
    default:
        break;
    }
}

// Another number of files may want another fill width.
void MainWindow::filesListedAgain()
{
    if (!m_session.rows().files.isEmpty())
        adjustFillWidth();
}

void MainWindow::warnIfJournalBehind(RenameOutcome outcome)
{
    if (!m_session.journalSaved())
        warn(outcome == RenameOutcome::Finished ? TextKey::JournalBehindAtEnd
                                                : TextKey::JournalBehind,
             {m_session.journalFileOf(m_session.listedFolder())});
}

void MainWindow::warn(const QString& key, const QStringList& values)
{
    m_context.prompter.message(insertValues(text(key), values), MessageIcon::Exclamation);
}

} // namespace tervane
