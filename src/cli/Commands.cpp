#include "cli/Commands.h"

#include "cli/CliTextKeys.h"
#include "i18n/LanguageChoice.h"
#include "i18n/LanguageFile.h"
#include "i18n/TextKeys.h"
#include "naming/Numbering.h"
#include "naming/PasteSources.h"
#include "rename/PlanOrder.h"
#include "services/AppError.h"
#include "settings/IniFile.h"
#include "settings/Paths.h"
#include "settings/SettingsKeys.h"
#include "text/TextDecoding.h"
#include "text/TextHelpers.h"

#include <QDir>
#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tervane::cli {

namespace {

QStringList standardInputLines()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        throw AppError(EBADF, descriptionOfError(EBADF));
    return textLinesOf(input);
}

} // namespace

CommandContext::CommandContext(Options commandOptions, TranslationCatalogue catalogue,
                               const CliServices& services, OutputStreams outputs)
    : options(std::move(commandOptions))
    , fileSystem(services.fileSystem)
    , tagReading(services.tagReading)
    , streams(outputs)
    , texts(std::move(catalogue))
    , journal(journalFolderFor(options.settingsFile))
    , session(services.fileSystem)
    , prompter(outputs.err)
{}

PreviewCommand::PreviewCommand(CommandContext& context)
    : m_context(context)
{}

int PreviewCommand::run()
{
    makePlan();
    return Done;
}

void PreviewCommand::makePlan()
{
    listFiles();
    printPlan(generateNames());
}

void PreviewCommand::listFiles()
{
    applyPattern();
    m_context.session.setFolder(m_context.options.folder);
    m_context.session.listFiles(false, m_context.options.numeric);
    if (m_context.workspace().fileRows.isEmpty())
        throw CliError{Refused, m_context.text(TextKey::NoFileListed)};
}

void PreviewCommand::applyPattern()
{
    const QString stored = readIniString(m_context.options.settingsFile, SettingsKey::Section,
                                         SettingsKey::Extensions, DefaultExtensions);
    m_context.session.setPattern(m_context.options.hasPattern ? m_context.options.pattern : stored);
}

QStringList PreviewCommand::generateNames()
{
    TreatmentOptions options = loadTreatmentOptions(m_context.options.settingsFile);
    const qsizetype files = m_context.workspace().fileRows.size();
    options.numberingWidth = fillWidthForListing(options.numberingWidth, files);
    m_context.session.generateNames(options, sourceLines());
    QStringList rows;
    for (const NameRow& row : m_context.workspace().nameRows)
        rows << row.text;
    return rows;
}

QStringList PreviewCommand::sourceLines() const
{
    switch (m_context.options.source) {
    case NameSource::FileNames:
        return fileNameLines(m_context.workspace().fileRows);
    case NameSource::TypedTemplate:
        return templateLines(m_context.options.templateText);
    case NameSource::FolderEpisodeX:
    case NameSource::FolderEpisodeSE: {
        const auto series =
            seriesFolderOf(getLastPathComponent(QDir::cleanPath(m_context.options.folder)));
        if (!series)
            throw CliError{Refused, m_context.text(CliKey::NotASeries)};
        return templateLines(episodeTemplate(*series, m_context.options.source));
    }
    default:
        return namesFileLines();
    }
}

// As in the name dialog, the width must fit the file count when the
// template holds the number.
QStringList PreviewCommand::templateLines(const QString& pattern) const
{
    const qsizetype files = m_context.workspace().fileRows.size();
    const int width =
        m_context.options.width >= 0 ? m_context.options.width : initialTemplateWidth(files);
    if (pattern.contains(NumberPlaceholder, Qt::CaseInsensitive) && !fillWidthSuits(width, files))
        throw CliError{Refused, m_context.text(TextKey::FillWidthTooSmall)};
    const RenameWorkspace& workspace = m_context.workspace();
    return *filledTemplateLines(pattern, width, {workspace.listedFolder, workspace.fileRows},
                                m_context.tagReading);
}

QStringList PreviewCommand::namesFileLines() const
{
    try {
        if (m_context.options.namesFile == u"-")
            return standardInputLines();
        return linesOfTextFile(m_context.options.namesFile);
    } catch (const AppError& error) {
        throw CliError{Usage, m_context.text(TextKey::UnreadableTextFile) + u"\n\t"_s +
                                  m_context.options.namesFile + u": "_s + error.description()};
    }
}

// Rows that rename only through the order of a chain or a cycle carry a
// mark in a third column (not in the raw listing for programs).
void PreviewCommand::printPlan(const QStringList& rows) const
{
    const qsizetype count = std::max(m_context.workspace().fileRows.size(), rows.size());
    std::vector<RenameStep> plan;
    for (qsizetype i = 0; i < count; ++i)
        plan.push_back({m_context.workspace().fileRows.value(i), rows.value(i)});
    const std::vector<bool> chained = rowsInChains(plan);
    const QString mark = m_context.text(CliKey::ChainMark);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const RenameStep& row = plan[i];
        if (m_context.options.nullSeparated)
            write(m_context.streams.out, row.from + QChar(0) + row.to + QChar(0));
        else
            print(m_context.streams.out, escaped(row.from) + u'\t' + escaped(row.to) +
                                             (chained[i] ? u'\t' + mark : QString()));
    }
}

void PreviewCommand::refuseUnpairedPlan() const
{
    const qsizetype files = m_context.workspace().fileRows.size();
    const auto names = qsizetype(m_context.workspace().nameRows.size());
    if (files != names)
        throw CliError{Refused, m_context.text(CliKey::ListsUnpaired,
                                               {QString::number(files), QString::number(names)})};
    if (m_context.session.nameProblems() > 0) {
        QStringList doubled;
        for (std::size_t i = 0; i < m_context.workspace().nameRows.size(); ++i) {
            const NameRow& row = m_context.workspace().nameRows[i];
            if (row.duplicate || row.text.isEmpty())
                doubled << m_context.text(CliKey::Row, {QString::number(i + 1), escaped(row.text)});
        }
        throw CliError{Refused,
                       m_context.text(CliKey::EmptyOrDoubledNames, {doubled.join(u", "_s)})};
    }
}

// The summary goes with the listing, unless the listing is for programs.
void PreviewCommand::report(const QString& summary) const
{
    print(m_context.options.nullSeparated ? m_context.streams.err : m_context.streams.out, summary);
}

void warnUnsavedJournal(const CommandContext& context, const JournalRecorder& recorder)
{
    if (!recorder.saved())
        print(context.streams.err,
              u"tervane-cli: "_s + context.text(CliKey::JournalBehind,
                                                {context.journal.fileFor(context.options.folder)}));
}

RenameFilesCommand::RenameFilesCommand(CommandContext& context)
    : m_context(context)
    , m_preview(context)
{}

int RenameFilesCommand::run()
{
    m_preview.makePlan();
    return renameFiles();
}

int RenameFilesCommand::renameFiles()
{
    m_preview.refuseUnpairedPlan();
    const RenameSession::PlannedRenaming planned =
        m_context.session.planRenaming(!m_context.options.inOrder);
    const std::vector<RenameStep>& plan = planned.steps;
    const int conflicts =
        planned.resolved ? 0 : countConflicts(m_context.options.folder, plan, m_context.fileSystem);
    if (conflicts > 0 && !m_context.options.yes)
        throw CliError{Refused, conflictMessage(m_context.texts, conflicts) + u'\n' +
                                    m_context.text(CliKey::YesRenamesAnyway)};
    if (!m_context.journal.prepare(m_context.options.folder, plan, m_context.fileSystem))
        throw CliError{Usage,
                       m_context.text(CliKey::JournalNotWritten, {m_context.journal.location()})};

    JournalRecorder recorder(m_context.journal, m_context.options.folder, plan);
    const RenameOutcome outcome = m_context.session.rename(
        planned, m_context.prompter, m_context.texts, m_context.options.yes, &recorder);
    if (outcome == RenameOutcome::NotRecorded)
        throw CliError{Usage,
                       m_context.text(CliKey::JournalNotWritten, {m_context.journal.location()})};
    warnUnsavedJournal(m_context, recorder);
    if (outcome != RenameOutcome::Finished)
        return StepFailed;
    m_preview.report(m_context.text(CliKey::FilesRenamed,
                                    {QString::number(filesMoved(m_context.workspace().undoSet))}));
    return Done;
}

UndoCommand::UndoCommand(CommandContext& context)
    : m_context(context)
{}

int UndoCommand::run()
{
    const RenameJournal::Reading reading =
        m_context.journal.read(m_context.options.folder, m_context.fileSystem);
    if (reading.status == RenameJournal::Status::Missing)
        throw CliError{Refused,
                       m_context.text(CliKey::NothingToUndo, {escaped(m_context.options.folder)})};
    if (reading.status == RenameJournal::Status::Unreadable)
        throw CliError{Usage, m_context.text(CliKey::JournalUnreadable,
                                             {m_context.journal.fileFor(m_context.options.folder),
                                              reading.problem})};
    if (reading.status == RenameJournal::Status::Damaged)
        throw CliError{Usage,
                       m_context.text(CliKey::JournalDamaged,
                                      {m_context.journal.fileFor(m_context.options.folder)})};
    const RenameJournal::Entry& entry = reading.entry;
    std::size_t done = entry.knownDone;
    if (!entry.doneIsExact) {
        // Once the undo begins, the folder no longer shows how far the
        // run went: record it first.
        done = stepsDoneOfInterruptedRun(entry.steps, entry.knownDone, m_context.options.folder,
                                         m_context.fileSystem);
        if (!m_context.journal.recordRunEnd(done))
            throw CliError{StepFailed,
                           m_context.text(CliKey::JournalBehind,
                                          {m_context.journal.fileFor(m_context.options.folder)})};
    }
    std::vector<RenameStep> entries;
    std::vector<std::size_t> journalIndex;
    for (std::size_t i = 0; i < done; ++i) {
        if (!entry.settled[i]) {
            entries.push_back(entry.steps[i]);
            journalIndex.push_back(i);
        }
    }
    m_context.session.setUndoSet(m_context.options.folder, std::move(entries));
    JournalRecorder recorder(m_context.journal, m_context.options.folder,
                             m_context.workspace().undoSet, std::move(journalIndex));
    const RenameOutcome outcome =
        m_context.session.undo(m_context.prompter, m_context.texts, &recorder);
    warnUnsavedJournal(m_context, recorder);
    if (outcome != RenameOutcome::Finished) {
        print(m_context.streams.err,
              u"tervane-cli: "_s +
                  m_context.text(CliKey::FilesNotRestored,
                                 {QString::number(m_context.workspace().undoSet.size())}));
        return StepFailed;
    }
    print(m_context.streams.out, m_context.text(CliKey::RenamingUndone));
    return Done;
}

} // namespace tervane::cli
