// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "base/AppError.h"
#include "cli/CliTextKeys.h"
#include "i18n/ErrorReasons.h"
#include "i18n/LanguageChoice.h"
#include "i18n/LanguageFile.h"
#include "i18n/TextKeys.h"
#include "naming/NamePipeline.h"
#include "naming/Numbering.h"
#include "naming/PasteSources.h"
#include "naming/TemplateFields.h"
#include "settings/GeneralSettings.h"
#include "settings/Paths.h"
#include "text/FileNameBytes.h"
#include "text/TextDecoding.h"
#include "text/TextHelpers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tervane::cli {

namespace {

// The longest name most file systems take (ext4, XFS, Btrfs, tmpfs).
constexpr qsizetype MaxFileNameBytes = 255;

QStringList namesOf(QFile& input, bool nulEnded)
{
    return nulEnded ? nulEndedNamesOf(input) : textLinesOf(input);
}

QStringList standardInputNames(bool nulEnded)
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        throw AppError(EBADF, descriptionOfError(EBADF));
    return namesOf(input, nulEnded);
}

// A pipe or a device named as the names file (<(...), /dev/stdin) is read
// as standard input is, up to the same limit; other paths must be text files.
QStringList namesFileAt(const QString& path, bool nulEnded)
{
    const QFileInfo info(path);
    const bool stream = info.exists() && !info.isFile() && !info.isDir();
    if (!stream)
        if (const int problem = textFileProblem(path))
            throw AppError(problem, descriptionOfError(problem));
    QFile file;
    openForReading(file, path);
    return namesOf(file, nulEnded);
}

// Each name changed, as a terminal may show it.
void tellRename(std::FILE* stream, const RenameStep& step)
{
    if (step.from != step.to)
        print(stream,
              escaped(step.from) + (step.isExchange() ? u" <-> "_s : u" -> "_s) + escaped(step.to));
}

} // namespace

CommandContext::CommandContext(Options commandOptions, TranslationCatalogue catalogue,
                               const CliServices& services, OutputStreams outputs)
    : options(std::move(commandOptions))
    , fileSystem(services.fileSystem)
    , tagReading(services.tagReading,
                 [this](const QStringList& givenUp) {
                     for (const QString& path : givenUp)
                         print(streams.err,
                               u"tervane-cli: "_s + text(CliKey::TagsGivenUp, {escaped(path)}));
                 })
    , streams(outputs)
    , texts(std::move(catalogue))
    , session(services.fileSystem)
    , prompter(outputs.err)
{
    session.keepJournal(journalFolderFor(services.folders, options.settingsFile),
                        earlierJournalFolderOf(options.settingsFile), FrontEnd::CommandLine);
    session.setHistoryLength(readHistoryLength(options.settingsFile));
    session.setResolvesChains(!options.inOrder);
    session.setDateFallback(options.dateFallback);
    if (options.byDateTaken)
        session.listByDateTaken(&tagReading);
    // Told on the listing's stream, unless the listing is for programs.
    if (options.verbose)
        session.watchRenames([stream = options.nullSeparated ? streams.err : streams.out](
                                 const RenameStep& step) { tellRename(stream, step); });
}

PreviewCommand::PreviewCommand(CommandContext& context)
    : m_context(context)
{}

// A plan that rename would refuse is shown, and refused as rename does.
int PreviewCommand::run()
{
    makePlan();
    refuseUnpairedPlan();
    return Done;
}

void PreviewCommand::makePlan()
{
    listAndName();
    printPlan(m_context.session.rowsInChains());
}

void PreviewCommand::listAndName()
{
    listFiles();
    generateNames();
}

void PreviewCommand::listFiles()
{
    const QString pattern = m_context.options.hasPattern
                                ? m_context.options.pattern
                                : readExtensions(m_context.options.settingsFile);
    m_context.session.setPattern(pattern);
    m_context.session.setFolder(m_context.options.folder);
    m_context.session.listFiles(false, m_context.options.numeric);
    if (m_context.files().isEmpty())
        throw CliError{Refused, m_context.text(CliKey::NoFileMatches,
                                               {escaped(m_context.options.folder), pattern})};
}

void PreviewCommand::generateNames()
{
    TreatmentOptions options = loadTreatmentOptions(m_context.options.settingsFile);
    // The find and replace given for the run stands in for the stored one.
    if (m_context.options.replace) {
        options.replace = true;
        options.replaceFrom = m_context.options.replaceFrom;
        options.replaceTo = m_context.options.replaceTo;
        options.replaceRegex = m_context.options.regex;
    } else if (m_context.options.regex) {
        options.replaceRegex = true;
    }
    const qsizetype files = m_context.files().size();
    options.numberingWidth = fillWidthForListing(options.numberingWidth, files);
    m_context.session.setTreatmentOptions(options);
    m_context.session.fillNames(m_context.options.source, sourceInput(), m_context.tagReading);
    // Names the find and replace could not be decided on are bad input: no
    // name goes without the replacement asked for.
    if (const auto name = m_context.session.undecidedReplacement())
        throw CliError{Usage, m_context.text(TextKey::UndecidedReplacement, {escaped(*name)})};
}

NameSourceInput PreviewCommand::sourceInput() const
{
    switch (m_context.options.source) {
    case NameSource::FileNames:
        return {};
    case NameSource::TypedTemplate:
        return templateInput(m_context.options.templateText);
    case NameSource::FolderEpisodeX:
    case NameSource::FolderEpisodeSE: {
        const auto series =
            seriesFolderOf(getLastPathComponent(QDir::cleanPath(m_context.options.folder)));
        if (!series)
            throw CliError{Refused, m_context.text(CliKey::NotASeries)};
        return templateInput(episodeTemplate(*series, m_context.options.source));
    }
    default:
        return {m_namesRead ? *m_namesRead : namesFileLines(), {}, 0};
    }
}

void PreviewCommand::readNames()
{
    switch (m_context.options.source) {
    case NameSource::FileNames:
    case NameSource::TypedTemplate:
    case NameSource::FolderEpisodeX:
    case NameSource::FolderEpisodeSE:
        return; // made from the folder
    default:
        m_namesRead = namesFileLines();
    }
}

// As in the name dialog, the width must fit the file count when the
// template holds the number.
NameSourceInput PreviewCommand::templateInput(const QString& pattern) const
{
    const qsizetype files = m_context.files().size();
    const int width =
        m_context.options.width >= 0 ? m_context.options.width : initialTemplateWidth(files);
    if (pattern.contains(NumberPlaceholder, Qt::CaseInsensitive) && !fillWidthSuits(width, files))
        throw CliError{Refused, m_context.text(TextKey::FillWidthTooSmall)};
    return {std::nullopt, pattern, width};
}

QStringList PreviewCommand::namesFileLines() const
{
    try {
        const bool nulEnded = m_context.options.nullSeparated;
        if (m_context.options.namesFile == u"-")
            return standardInputNames(nulEnded);
        return namesFileAt(m_context.options.namesFile, nulEnded);
    } catch (const AppError& error) {
        throw CliError{Usage, m_context.text(TextKey::UnreadableTextFile) + u' ' +
                                  escaped(m_context.options.namesFile) + u": "_s +
                                  textFileReason(m_context.texts, error.number())};
    }
}

// Rows that rename only through the order of a chain or a cycle carry a
// mark in a third column (not in the raw listing for programs).
void PreviewCommand::printPlan(const std::vector<bool>& chained) const
{
    const QByteArray mark = (u'\t' + m_context.text(CliKey::ChainMark)).toUtf8();
    const QByteArray takenMark = (u'\t' + m_context.text(CliKey::TakenMark)).toUtf8();
    const QByteArray noDateMark = (u'\t' + m_context.text(CliKey::NoDateMark)).toUtf8();
    const bool datesUsed =
        m_context.options.byDateTaken || (m_context.options.source == NameSource::TypedTemplate &&
                                          usesDateFields(m_context.options.templateText));
    const std::vector<NameRow>& names = m_context.names();
    if (m_context.options.nullSeparated) {
        // Raw, as the system holds the names: a file's own bytes.
        QByteArray raw;
        for (std::size_t i = 0; i < chained.size(); ++i)
            raw.append(bytesOfFileName(m_context.files().value(qsizetype(i))))
                .append('\0')
                .append(i < names.size() ? names[i].text.toUtf8() : QByteArray())
                .append('\0');
        write(m_context.streams.out, raw);
        return;
    }
    // The whole listing is made in one block and written at once.
    const QStringList& files = m_context.files();
    QByteArray listing;
    listing.reserve(qsizetype(chained.size()) * 40);
    for (std::size_t i = 0; i < chained.size(); ++i) {
        const auto row = qsizetype(i);
        appendEscaped(listing, row < files.size() ? QStringView(files[row]) : QStringView());
        listing.append('\t');
        appendEscaped(listing, i < names.size() ? QStringView(names[i].text) : QStringView());
        if (chained[i])
            listing.append(mark);
        if (i < names.size() && names[i].holder >= 0)
            listing.append(takenMark);
        if (datesUsed && !hasDateTaken(row))
            listing.append(noDateMark);
        listing.append('\n');
    }
    write(m_context.streams.out, listing);
}

bool PreviewCommand::hasDateTaken(qsizetype row) const
{
    const auto tags = m_context.session.readTagsOfRow(row);
    return tags && tags->takenDate.isValid();
}

void PreviewCommand::refuseUnpairedPlan() const
{
    const qsizetype files = m_context.files().size();
    const auto names = qsizetype(m_context.names().size());
    if (files != names)
        throw CliError{Refused, m_context.text(CliKey::ListsUnpaired,
                                               {QString::number(files), QString::number(names)})};
    if (m_context.session.nameProblems() > 0)
        throw CliError{
            Refused, m_context.text(CliKey::EmptyOrDoubledNames, {rowsWhere([](const NameRow& row) {
                                        return row.duplicate || row.text.isEmpty();
                                    })})};
    // Names no file can bear would only fail halfway through the renaming.
    const QString unusable = rowsWhere([](const NameRow& row) {
        return row.text == u"." || row.text == u".." ||
               bytesOfFileName(row.text).size() > MaxFileNameBytes;
    });
    if (!unusable.isEmpty())
        throw CliError{Refused, m_context.text(CliKey::UnusableNames, {unusable})};
}

// The rows whose names match, as the messages list them.
template <typename Match>
QString PreviewCommand::rowsWhere(Match match) const
{
    QStringList rows;
    const std::vector<NameRow>& names = m_context.names();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (match(names[i]))
            rows << m_context.text(CliKey::Row, {QString::number(i + 1), escaped(names[i].text)});
    return rows.join(u", "_s);
}

// The summary goes with the listing, unless the listing is for programs.
void PreviewCommand::report(const QString& summary) const
{
    print(m_context.options.nullSeparated ? m_context.streams.err : m_context.streams.out, summary);
}

bool warnUnsavedJournal(const CommandContext& context, bool wentToTheEnd)
{
    if (context.session.journalSaved())
        return false;
    print(context.streams.err,
          u"tervane-cli: "_s +
              context.text(wentToTheEnd ? CliKey::JournalBehindAtEnd : CliKey::JournalBehind,
                           {context.session.journalFileOf(context.options.folder)}));
    return true;
}

RenameFilesCommand::RenameFilesCommand(CommandContext& context)
    : m_context(context)
    , m_preview(context)
{}

// The plan is made once: its chains mark the listing, then it runs.
int RenameFilesCommand::run()
{
    refuseOverInterruptedRenaming();
    m_preview.listAndName();
    const RenameSession& session = m_context.session;
    // Lists that do not pair up plan nothing, and are refused below.
    const RenameSession::PlannedRenaming planned = session.planRenaming(!m_context.options.inOrder);
    if (!m_context.options.quiet)
        m_preview.printPlan(planned.resolved ? planned.rowsInChains : session.rowsInChains());
    return renameFiles(planned);
}

// A renaming left unfinished keeps the only record of the names its files
// had: a new one would replace it, and they could never be given back.
void RenameFilesCommand::refuseOverInterruptedRenaming()
{
    if (!m_context.options.forgetInterrupted &&
        m_context.session.journalInterrupted(m_context.options.folder))
        throw CliError{
            Refused, m_context.text(CliKey::InterruptedFirst, {escaped(m_context.options.folder)})};
}

int RenameFilesCommand::renameFiles(const RenameSession::PlannedRenaming& planned)
{
    m_preview.refuseUnpairedPlan();
    refuseNamesOfFolders();
    const int conflicts = planned.conflicts;
    if (conflicts > 0 && !m_context.options.yes) {
        QStringList taken;
        for (const QString& name : planned.takenNames)
            taken << escaped(name);
        if (conflicts > taken.size())
            taken << u"..."_s;
        throw CliError{Refused, countText(m_context.texts, conflicts, CliKey::NameTaken,
                                          CliKey::NamesTaken, {taken.join(u", "_s)}) +
                                    u' ' + m_context.text(CliKey::YesRenamesAnyway)};
    }
    if (m_context.options.dryRun)
        return Done;
    // The conflicts were counted and, with --yes, accepted: the run does not
    // count them again.
    const RenameOutcome outcome =
        m_context.session.rename(planned, m_context.prompter, m_context.texts, true);
    if (outcome == RenameOutcome::NotRecorded)
        throw CliError{Usage, m_context.text(CliKey::JournalNotWritten,
                                             {m_context.session.journalLocation()})};
    if (outcome == RenameOutcome::FilesChanged)
        throw CliError{Refused, m_context.text(TextKey::FolderChanged)};
    const bool finished = outcome == RenameOutcome::Finished;
    const bool journalBehind = warnUnsavedJournal(m_context, finished);
    if (!finished)
        return StepFailed;
    if (!m_context.options.quiet)
        m_preview.report(countText(m_context.texts, qsizetype(m_context.session.filesRenamed()),
                                   CliKey::FileRenamed, CliKey::FilesRenamed));
    return journalBehind ? StepFailed : Done;
}

// A folder is never renamed over, --yes or not: a new name that a folder
// holds is refused, and the folder named.
void RenameFilesCommand::refuseNamesOfFolders() const
{
    const RenameSession& session = m_context.session;
    QStringList folders;
    for (const NameRow& row : m_context.names())
        if (row.holder >= 0 && !session.heldByFile(row))
            folders << escaped(session.holderName(row)) + u'/';
    if (!folders.isEmpty())
        throw CliError{Refused, countText(m_context.texts, folders.size(), CliKey::NameHeldByFolder,
                                          CliKey::NamesHeldByFolders, {folders.join(u", "_s)})};
}

UndoCommand::UndoCommand(CommandContext& context)
    : m_context(context)
{}

// The session reads the journal under the lock it undoes under; a journal
// it could not use is said here.
int UndoCommand::run()
{
    const auto renamings = std::size_t(m_context.options.undoTo);
    if (renamings > 1)
        refuseShortHistory();
    const RenameOutcome outcome = m_context.session.undo(m_context.prompter, m_context.texts,
                                                         m_context.options.folder, renamings);
    if (outcome == RenameOutcome::Busy) // the command holds the lock: only should that fail
        return Refused;
    refuseUnusableJournal();
    const bool finished = outcome == RenameOutcome::Finished;
    const bool journalBehind = warnUnsavedJournal(m_context, finished);
    if (!finished) {
        // Files left alone for good were said with their reasons; only
        // those kept for another attempt are counted here.
        if (const auto kept = qsizetype(m_context.session.undoSize()))
            print(m_context.streams.err,
                  u"tervane-cli: "_s + countText(m_context.texts, kept, CliKey::FileNotRestored,
                                                 CliKey::FilesNotRestored));
        return StepFailed;
    }
    if (!m_context.options.quiet)
        print(m_context.streams.out,
              renamings > 1 ? m_context.text(CliKey::RenamingsUndone, {QString::number(renamings)})
                            : m_context.text(CliKey::RenamingUndone));
    return journalBehind ? StepFailed : Done;
}

// Asked back further than the history goes, nothing is undone.
void UndoCommand::refuseShortHistory()
{
    const QString& folder = m_context.options.folder;
    const RenameSession::History history = m_context.session.history(folder);
    // The undo says why it cannot begin, or stops at a damaged entry and
    // says it.
    if (history.status != RenameSession::JournalLoad::Loaded || history.entries.back().damaged)
        return;
    if (history.entries.size() < std::size_t(m_context.options.undoTo))
        throw CliError{
            Refused, m_context.text(CliKey::HistoryTooShort,
                                    {escaped(folder), QString::number(m_context.options.undoTo)})};
}

void UndoCommand::refuseUnusableJournal() const
{
    const QString& folder = m_context.options.folder;
    const QString journalFile = m_context.session.journalFileOf(folder);
    const RenameSession::LoadedJournal& loaded = m_context.session.journalLoaded();
    switch (loaded.status) {
    case RenameSession::JournalLoad::Missing:
        throw CliError{Refused, m_context.text(CliKey::NothingToUndo, {escaped(folder)})};
    case RenameSession::JournalLoad::Unreadable:
        throw CliError{Usage,
                       m_context.text(CliKey::JournalUnreadable, {journalFile, loaded.problem})};
    case RenameSession::JournalLoad::Damaged:
        throw CliError{Usage, m_context.text(CliKey::JournalDamaged, {journalFile})};
    case RenameSession::JournalLoad::OtherFolder:
        throw CliError{Refused, m_context.text(CliKey::JournalOtherFolder, {escaped(folder)})};
    case RenameSession::JournalLoad::Busy:
        throw CliError{Refused, m_context.text(TextKey::FolderBusy, {escaped(folder)})};
    case RenameSession::JournalLoad::NotRecorded:
        throw CliError{StepFailed, m_context.text(CliKey::JournalBehind, {journalFile})};
    case RenameSession::JournalLoad::Loaded:
        break;
    }
}

HistoryCommand::HistoryCommand(CommandContext& context)
    : m_context(context)
{}

int HistoryCommand::run()
{
    const QString& folder = m_context.options.folder;
    const RenameSession::History history = m_context.session.history(folder);
    switch (history.status) {
    case RenameSession::JournalLoad::OtherFolder:
        throw CliError{Refused, m_context.text(CliKey::JournalOtherFolder, {escaped(folder)})};
    case RenameSession::JournalLoad::Busy:
        throw CliError{Refused, m_context.text(TextKey::FolderBusy, {escaped(folder)})};
    default:
        break;
    }
    const bool raw = m_context.options.nullSeparated;
    if (history.entries.empty() && !raw)
        print(m_context.streams.out, m_context.text(CliKey::NothingToUndo, {escaped(folder)}));
    QByteArray listing;
    for (std::size_t i = 0; i < history.entries.size(); ++i) {
        const RenameSession::HistoryEntry& entry = history.entries[i];
        if (raw) {
            listing += rawEntry(i + 1, entry);
            continue;
        }
        listing += entryLine(i + 1, entry).toUtf8() + '\n';
        if (m_context.options.verbose)
            for (const RenameStep& step : entry.steps) {
                listing += "    ";
                appendEscaped(listing, step.from);
                listing += step.isExchange() ? " <-> " : " -> ";
                appendEscaped(listing, step.to);
                listing += '\n';
            }
    }
    write(m_context.streams.out, listing);
    // A damaged journal is said as undo says it, and kept.
    if (history.status == RenameSession::JournalLoad::Damaged ||
        history.status == RenameSession::JournalLoad::Unreadable)
        return Usage;
    return Done;
}

namespace {

QString madeByName(FrontEnd maker)
{
    switch (maker) {
    case FrontEnd::Window:
        return u"window"_s;
    case FrontEnd::CommandLine:
        return u"command-line"_s;
    case FrontEnd::Unknown:
        break;
    }
    return {};
}

} // namespace

// Number, state, date (UTC), front end, files, steps, then each step's old
// and new name, each field ended by a NUL; names as the system holds them.
QByteArray HistoryCommand::rawEntry(std::size_t number,
                                    const RenameSession::HistoryEntry& entry) const
{
    QByteArray raw;
    const auto field = [&raw](const QByteArray& text) { raw.append(text).append('\0'); };
    field(QByteArray::number(qulonglong(number)));
    field(entry.damaged ? "damaged" : entry.interrupted ? "interrupted" : "done");
    field(entry.madeAt == 0 ? QByteArray()
                            : QDateTime::fromMSecsSinceEpoch(entry.madeAt / 1'000'000)
                                  .toUTC()
                                  .toString(Qt::ISODate)
                                  .toUtf8());
    field(madeByName(entry.madeBy).toUtf8());
    field(QByteArray::number(qulonglong(filesMoved(entry.steps))));
    field(QByteArray::number(qulonglong(entry.steps.size())));
    for (const RenameStep& step : entry.steps) {
        field(bytesOfFileName(step.from));
        field(bytesOfFileName(step.to));
    }
    return raw;
}

// "N  date  front end  files  first names"; the names before and after of
// the first files it moved.
QString HistoryCommand::entryLine(std::size_t number,
                                  const RenameSession::HistoryEntry& entry) const
{
    constexpr std::size_t NamesShown = 2;
    QString line = QString::number(number).rightJustified(3) + u"  "_s;
    if (entry.damaged)
        return line + m_context.text(CliKey::HistoryDamaged);
    line += entry.madeAt == 0 ? u"?"_s
                              : QDateTime::fromMSecsSinceEpoch(entry.madeAt / 1'000'000)
                                    .toString(u"yyyy-MM-dd HH:mm:ss"_s);
    if (entry.madeBy != FrontEnd::Unknown)
        line +=
            u"  "_s + m_context.text(entry.madeBy == FrontEnd::Window ? CliKey::MadeByWindow
                                                                      : CliKey::MadeByCommandLine);
    line += u"  "_s + countText(m_context.texts, qsizetype(filesMoved(entry.steps)),
                                CliKey::HistoryFile, CliKey::HistoryFiles);
    if (entry.interrupted)
        line += u' ' + m_context.text(CliKey::HistoryInterrupted);
    const std::vector<RenameStep> files = namesBeforeAndAfter(entry.steps);
    QStringList shown;
    for (std::size_t i = 0; i < files.size() && i < NamesShown; ++i)
        shown << escaped(files[i].from) + u" -> "_s + escaped(files[i].to);
    if (files.size() > NamesShown)
        shown << u"..."_s;
    if (!shown.isEmpty())
        line += u"  "_s + shown.join(u", "_s);
    return line;
}

RedoCommand::RedoCommand(CommandContext& context)
    : m_context(context)
{}

int RedoCommand::run()
{
    const QString& folder = m_context.options.folder;
    const RenameOutcome outcome =
        m_context.session.redo(m_context.prompter, m_context.texts, folder);
    switch (outcome) {
    case RenameOutcome::NotPossible:
        throw CliError{Refused, m_context.text(CliKey::NothingToRedo, {escaped(folder)})};
    case RenameOutcome::FilesChanged:
        throw CliError{Refused, m_context.text(CliKey::RedoFilesChanged, {escaped(folder)})};
    case RenameOutcome::Busy:
        return Refused;
    case RenameOutcome::NotRecorded:
        throw CliError{Usage, m_context.text(CliKey::JournalNotWritten,
                                             {m_context.session.journalLocation()})};
    default:
        break;
    }
    const bool finished = outcome == RenameOutcome::Finished;
    const bool journalBehind = warnUnsavedJournal(m_context, finished);
    if (!finished)
        return StepFailed;
    if (!m_context.options.quiet)
        print(m_context.streams.out, m_context.text(CliKey::RenamingRedone));
    return journalBehind ? StepFailed : Done;
}

} // namespace tervane::cli
