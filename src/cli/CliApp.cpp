#include "cli/CliApp.h"

#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/JournalRecorder.h"

#include "i18n/LanguageChoice.h"
#include "i18n/LanguageFile.h"
#include "i18n/TranslationCatalogue.h"
#include "naming/NamePipeline.h"
#include "naming/Numbering.h"
#include "naming/PasteSources.h"
#include "naming/TreatmentOptions.h"
#include "platform/PosixFileSystem.h"
#include "platform/SystemFolders.h"
#include "rename/FolderLock.h"
#include "rename/RenameCommand.h"
#include "rename/RenameJournal.h"
#include "services/AppError.h"
#include "services/AppIdentity.h"
#include "services/Prompter.h"
#include "session/RenameSession.h"
#include "settings/IniFile.h"
#include "settings/Paths.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsLocation.h"
#include "text/NaturalSort.h"
#include "text/TextDecoding.h"
#include "text/TextHelpers.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace tervane::cli {
namespace {

// The interface texts in the language the settings file names.
TranslationCatalogue catalogueFor(const QString& settingsFile)
{
    const QString language =
        ReadIniString(settingsFile, SettingsKey::Section, SettingsKey::Language, BuiltInLanguage);
    const QString path = LanguageFilePathFor(programFolder(), language);
    LanguageFile file;
    if (!path.isEmpty() && PathExists(path, 0)) {
        try {
            file = LanguageFile::load(path);
        } catch (const AppError&) {
            // An unreadable language file leaves the built-in French.
        }
    }
    return BuildTranslationCatalogue(file);
}

QStringList standardInputLines()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        throw AppError(EBADF, DescriptionOfError(EBADF));
    return TextLinesOf(input);
}

class CliRun {
public:
    CliRun(Options options, FileSystem& fileSystem)
        : m_options(std::move(options))
        , m_fileSystem(fileSystem)
        , m_texts(catalogueFor(m_options.settingsFile))
        , m_journal(journalFolderFor(m_options.settingsFile))
    {}

    int run()
    {
        m_workspace.listedFolder = m_options.folder;
        // A renaming or an undo holds the folder for the whole command.
        std::optional<FolderLock> lock;
        if (m_options.command != u"preview") {
            lock.emplace(m_options.folder);
            if (!lock->isLocked())
                throw CliError{Refused, InsertValues(text(u"MSG_RENOMMAGE_EN_COURS"_s),
                                                     {escaped(m_options.folder)})};
        }
        if (m_options.command == u"undo")
            return undo();
        listFiles();
        const QStringList rows = generateNames();
        printPlan(rows);
        return m_options.command == u"rename" ? rename() : Done;
    }

private:
    QString text(const QString& key) const { return m_texts.Item(key); }

    void listFiles()
    {
        applyPattern();
        m_session.setFolder(m_options.folder);
        m_session.listFiles(false, m_options.numeric);
        if (m_workspace.fileRows.isEmpty())
            throw CliError{Refused, text(u"MSG_ERREUR_LISTE_FICHIERS_VIDE"_s)};
    }

    void applyPattern()
    {
        const QString stored = ReadIniString(m_options.settingsFile, SettingsKey::Section,
                                             SettingsKey::Extensions, DefaultExtensions);
        m_session.setPattern(m_options.hasPattern ? m_options.pattern : stored);
    }

    QStringList generateNames()
    {
        TreatmentOptions options = LoadTreatmentOptions(m_options.settingsFile);
        const qsizetype files = m_workspace.fileRows.size();
        options.NumberingWidth = FillWidthForListing(options.NumberingWidth, files);
        m_session.generateNames(options, sourceLines());
        QStringList rows;
        for (const NameRow& row : m_workspace.nameRows)
            rows << row.text;
        return rows;
    }

    QStringList sourceLines() const
    {
        switch (m_options.source) {
        case NameSource::FileNames:
            return FileNameLines(m_workspace.fileRows);
        case NameSource::TypedTemplate:
            return templateLines(m_options.templateText);
        case NameSource::FolderEpisodeX:
        case NameSource::FolderEpisodeSE: {
            const auto series =
                SeriesFolderOf(GetLastPathComponent(QDir::cleanPath(m_options.folder)));
            if (!series)
                throw CliError{Refused, u"the folder name is not a series and season such as "
                                        "\"Ma série S02\""_s};
            return templateLines(EpisodeTemplate(*series, m_options.source));
        }
        default:
            return namesFileLines();
        }
    }

    // As in the name dialog, the width must fit the file count when the
    // template holds the number.
    QStringList templateLines(const QString& pattern) const
    {
        const qsizetype files = m_workspace.fileRows.size();
        const int width = m_options.width >= 0 ? m_options.width : InitialTemplateWidth(files);
        if (pattern.contains(NumberPlaceholder, Qt::CaseInsensitive) &&
            !FillWidthSuits(width, files))
            throw CliError{Refused, text(u"MSG_ERREUR_VALEUR_REMPLISSAGE"_s)};
        return TemplateLines(pattern, width, files);
    }

    QStringList namesFileLines() const
    {
        try {
            if (m_options.namesFile == u"-")
                return standardInputLines();
            return TextFileLines(m_options.namesFile);
        } catch (const AppError& error) {
            throw CliError{Usage, text(u"MSG_ERREUR_CONTENU_FICHIER"_s) + u"\n\t"_s +
                                      m_options.namesFile + u": "_s + error.description()};
        }
    }

    void printPlan(const QStringList& rows) const
    {
        const qsizetype count = std::max(m_workspace.fileRows.size(), rows.size());
        for (qsizetype i = 0; i < count; ++i) {
            const QString current = m_workspace.fileRows.value(i);
            const QString next = rows.value(i);
            if (m_options.nullSeparated)
                write(stdout, current + QChar(0) + next + QChar(0));
            else
                print(stdout, escaped(current) + u'\t' + escaped(next));
        }
    }

    int rename()
    {
        refuseUnpairedPlan();
        const std::vector<RenameStep> plan = RenamePlan(m_workspace);
        const int conflicts = CountConflicts(m_options.folder, plan, m_fileSystem);
        if (conflicts > 0 && !m_options.yes)
            throw CliError{Refused, ConflictMessage(m_texts, conflicts) +
                                        u"\n(--yes renames all the same)"_s};
        if (!m_journal.prepare(m_options.folder, plan, m_fileSystem))
            throw CliError{Refused,
                           u"the journal cannot be written in %1; nothing was renamed"_s.arg(
                               m_journal.location())};

        JournalRecorder recorder(m_journal, m_options.folder, plan);
        const RenameOutcome outcome =
            m_session.rename(m_prompter, m_texts, m_options.yes, &recorder);
        warnUnsavedJournal(recorder);
        if (outcome != RenameOutcome::Finished)
            return StepFailed;
        report(u"%1 files renamed."_s.arg(m_workspace.undoSet.size()));
        return Done;
    }

    // The summary goes with the listing, unless the listing is for programs.
    void report(const QString& summary) const
    {
        print(m_options.nullSeparated ? stderr : stdout, summary);
    }

    void warnUnsavedJournal(const JournalRecorder& recorder) const
    {
        if (!recorder.saved())
            print(stderr, u"tervane-cli: the journal %1 could not be brought up to date; "
                          "undo will work out what was renamed from the folder itself"_s.arg(
                              m_journal.fileFor(m_options.folder)));
    }

    void refuseUnpairedPlan()
    {
        const qsizetype files = m_workspace.fileRows.size();
        const auto names = qsizetype(m_workspace.nameRows.size());
        if (files != names)
            throw CliError{
                Refused, u"%1 files but %2 names: the lists must pair up"_s.arg(files).arg(names)};
        if (CountNameProblems(m_workspace.nameRows) > 0) {
            QStringList doubled;
            for (std::size_t i = 0; i < m_workspace.nameRows.size(); ++i) {
                const NameRow& row = m_workspace.nameRows[i];
                if (row.duplicate || row.text.isEmpty())
                    doubled << u"row %1 \"%2\""_s.arg(i + 1).arg(escaped(row.text));
            }
            throw CliError{Refused,
                           u"a new name is empty or given twice (letter case ignored): "_s +
                               doubled.join(u", "_s)};
        }
    }

    int undo()
    {
        const RenameJournal::Reading reading = m_journal.read(m_options.folder, m_fileSystem);
        if (reading.status == RenameJournal::Status::Missing)
            throw CliError{Refused, u"no renaming to undo in %1"_s.arg(escaped(m_options.folder))};
        if (reading.status == RenameJournal::Status::Damaged)
            throw CliError{Usage, u"the journal %1 is damaged or cut short: nothing was renamed, "
                                  "and the journal is kept as it is for inspection"_s.arg(
                                      m_journal.fileFor(m_options.folder))};
        const RenameJournal::Entry& entry = reading.entry;
        std::size_t done = entry.knownDone;
        if (!entry.doneIsExact) {
            // Once the undo begins, the folder no longer shows how far the
            // run went: record it first.
            done = StepsDoneOfInterruptedRun(entry.steps, entry.knownDone, m_options.folder,
                                             m_fileSystem);
            m_journal.recordRunEnd(done);
        }
        std::vector<std::size_t> journalIndex;
        for (std::size_t i = 0; i < done; ++i) {
            if (!entry.settled[i]) {
                m_workspace.undoSet.push_back(entry.steps[i]);
                journalIndex.push_back(i);
            }
        }
        JournalRecorder recorder(m_journal, m_options.folder, std::move(journalIndex));
        const RenameOutcome outcome = m_session.undo(m_prompter, m_texts, &recorder);
        warnUnsavedJournal(recorder);
        if (outcome != RenameOutcome::Finished) {
            print(stderr, u"tervane-cli: %1 files keep their new name; the journal keeps them "
                          "for another undo"_s.arg(m_workspace.undoSet.size()));
            return StepFailed;
        }
        print(stdout, u"Renaming undone."_s);
        return Done;
    }

    Options m_options;
    FileSystem& m_fileSystem;
    TranslationCatalogue m_texts;
    RenameJournal m_journal;
    RenameSession m_session{m_fileSystem};
    CliPrompter m_prompter;
    RenameWorkspace& m_workspace = m_session.workspace();
};

} // namespace
} // namespace tervane::cli

using namespace tervane::cli;

int RunCliCommand(const QStringList& arguments, FileSystem& fileSystem)
{
    if (arguments.contains(u"--help"_s) || arguments.contains(u"-h"_s)) {
        print(stdout, helpText(journalFolderFor(defaultSettingsFile())));
        return Done;
    }
    if (arguments.contains(u"--version"_s)) {
        print(stdout, u"tervane-cli "_s + GetVersionText());
        return Done;
    }
    try {
        Options options = parseOptions(arguments);
        if (!QFileInfo(options.folder).isDir())
            throw CliError{Usage, u"no such folder: %1"_s.arg(escaped(options.folder))};
        if (options.explicitSettings) {
            if (!PathExists(options.settingsFile, 0))
                throw CliError{Usage, u"no such settings file: %1"_s.arg(options.settingsFile)};
            if (const int problem = TextFileProblem(options.settingsFile))
                throw CliError{Usage, u"the settings file %1 cannot be read: %2"_s.arg(
                                          options.settingsFile, DescriptionOfError(problem))};
        }
        return CliRun(std::move(options), fileSystem).run();
    } catch (const CliError& error) {
        print(stderr, u"tervane-cli: "_s + error.message);
        return error.code;
    }
}

int RunCli(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(u"tervane-cli"_s);
    PosixFileSystem fileSystem;
    return RunCliCommand(QCoreApplication::arguments(), fileSystem);
}
