#include "cli/CliApp.h"

#include "files/FileEnumerator.h"
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
#include "session/RenameWorkspace.h"
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

namespace {

enum ExitCode { Done = 0, StepFailed = 1, Usage = 2, Refused = 3 };

void write(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

void print(std::FILE* stream, const QString& text)
{
    write(stream, text + u'\n');
}

// A name as a terminal may show it: control characters written out (\t, \n,
// \r, \xHH) and backslashes doubled, so that a row stays one line and no
// name can drive the terminal.
QString escaped(const QString& name)
{
    if (std::none_of(name.begin(), name.end(),
                     [](QChar c) { return c == u'\\' || IsControlChar(c); }))
        return name;
    QString out;
    out.reserve(name.size());
    for (QChar c : name) {
        switch (c.unicode()) {
        case u'\\':
            out += u"\\\\"_s;
            break;
        case u'\t':
            out += u"\\t"_s;
            break;
        case u'\n':
            out += u"\\n"_s;
            break;
        case u'\r':
            out += u"\\r"_s;
            break;
        default:
            if (IsControlChar(c))
                out += u"\\x%1"_s.arg(int(c.unicode()), 2, 16, QChar(u'0'));
            else
                out += c;
        }
    }
    return out;
}

// A message: its lines kept, any other control character written out.
QString escapedMessage(const QString& text)
{
    QStringList lines = QString(text).replace(u"\r\n"_s, u"\n"_s).split(u'\n');
    for (QString& line : lines) {
        // The detail of a failure is indented with a tab.
        const bool indented = line.startsWith(u'\t');
        line = (indented ? u"\t"_s : QString()) + escaped(line.mid(indented ? 1 : 0));
    }
    return lines.join(u'\n');
}

// A failure of the command line, with its exit code.
struct CliError {
    ExitCode code;
    QString message;
};

// Messages go to standard error; questions get the answer that the command
// line settled beforehand (go on only with --yes; always roll back).
class CliPrompter : public Prompter {
public:
    bool show(const QString& text, MessageIcon icon, MessageButtons buttons) override
    {
        print(stderr, escapedMessage(text));
        if (icon == MessageIcon::Critical)
            ++failures;
        return buttons == MessageButtons::YesNo;
    }
    void beep() override {}
    void setBusy(bool) override {}
    int failures = 0;
};

struct Options {
    QString command;
    QString folder;
    QString settingsFile;
    bool explicitSettings = false;
    QString pattern;
    bool hasPattern = false;
    bool numeric = false;
    bool yes = false;
    bool nullSeparated = false;
    NameSource source = NameSource::TextFile;
    QString namesFile = u"-"_s;
    QString templateText;
    int width = -1;
};

QString helpText(const QString& journalFolder)
{
    return uR"(Usage:
  tervane-cli preview FOLDER [SOURCE] [OPTIONS]
  tervane-cli rename  FOLDER [SOURCE] [OPTIONS] [--yes]
  tervane-cli undo    FOLDER [--settings FILE]

Builds the new names of the files of FOLDER as the Tervane window does
(listing, cleaning treatments, numbering, extensions) and shows them
(preview), applies them without ever overwriting a file (rename), or renames
back the last renaming done here (undo).

Source of the names (one of):
  --names FILE         one name per line from a text file ("-": standard input, the default)
  --file-names         the current file names
  --template TEXT      a template where [NUM] is the running number
  --width N            its zero-fill width (0, 2 to 9; default: the file count's digits, at least 2)
  --episode x|se       the folder name as a series and season: 01x01 or S01E01 names

Options:
  --settings FILE      the settings file to read (default: the program's own)
  --pattern PATTERNS   the files to list, such as "*.mp3;*.wma" (default: from the settings)
  --numeric            list the files in numeric order
  --yes                rename even when new names are already taken in the folder
  -z, --null           list the names raw, each ended by a NUL (current name,
                       new name), as find -print0 does
  --help, --version

Names are listed one row per file, the current name and the new name
separated by a tab. Characters that would break a row or reach the terminal
are written out: \t, \n, \r, \\ for a backslash, \xHH for any other control
character.

Exit codes: 0 done, 1 a renaming step failed (earlier steps rolled back) or
an undo left files it could not restore (the journal keeps them for another
undo), 2 usage error or bad input (a damaged journal is kept as it is), 3
refused, nothing renamed (another renaming or undo runs on the folder, names
taken without --yes, ...).

The last renaming in each folder is kept in a journal beside the settings
file in use, by default in
  %1
so that undo (given the same --settings) works in a later run, even after an
interrupted one.)"_s.arg(journalFolder);
}

QString programFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString defaultSettingsFile()
{
    return LocateSettings(programFolder(), SystemSpecialFolders(), AppTitle).filePath;
}

QString journalFolderFor(const QString& settingsFile)
{
    return QFileInfo(settingsFile).absolutePath() + u"/journal"_s;
}

Options parseOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption names(u"names"_s, {}, u"FILE"_s);
    const QCommandLineOption fileNames(u"file-names"_s);
    const QCommandLineOption templateText(u"template"_s, {}, u"TEXT"_s);
    const QCommandLineOption width(u"width"_s, {}, u"N"_s);
    const QCommandLineOption episode(u"episode"_s, {}, u"FORMAT"_s);
    const QCommandLineOption settings(u"settings"_s, {}, u"FILE"_s);
    const QCommandLineOption pattern(u"pattern"_s, {}, u"PATTERNS"_s);
    const QCommandLineOption numeric(u"numeric"_s);
    const QCommandLineOption yes(u"yes"_s);
    const QCommandLineOption nullSeparated(QStringList{u"z"_s, u"null"_s});
    parser.addOptions({names, fileNames, templateText, width, episode, settings, pattern, numeric,
                       yes, nullSeparated});
    if (!parser.parse(arguments))
        throw CliError{Usage, parser.errorText()};

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        throw CliError{Usage, u"expected a command and a folder; see --help"_s};
    Options o;
    o.command = positional[0];
    o.folder = positional[1];
    if (o.command != u"preview" && o.command != u"rename" && o.command != u"undo")
        throw CliError{Usage, u"unknown command \"%1\"; see --help"_s.arg(o.command)};

    const int sources = int(parser.isSet(names)) + int(parser.isSet(fileNames)) +
                        int(parser.isSet(templateText)) + int(parser.isSet(episode));
    if (sources > 1)
        throw CliError{Usage, u"give one source of names at most"_s};
    if (o.command == u"undo" && (sources > 0 || parser.isSet(pattern) || parser.isSet(numeric) ||
                                 parser.isSet(yes) || parser.isSet(width)))
        throw CliError{Usage, u"undo takes no source and no option but --settings"_s};
    if (o.command == u"undo" && parser.isSet(nullSeparated))
        throw CliError{Usage, u"--null goes with preview and rename"_s};
    if (parser.isSet(width) && !parser.isSet(templateText) && !parser.isSet(episode))
        throw CliError{Usage, u"--width goes with --template or --episode"_s};
    if (parser.isSet(yes) && o.command != u"rename")
        throw CliError{Usage, u"--yes goes with rename"_s};

    if (parser.isSet(fileNames)) {
        o.source = NameSource::FileNames;
    } else if (parser.isSet(templateText)) {
        o.source = NameSource::TypedTemplate;
        o.templateText = parser.value(templateText);
    } else if (parser.isSet(episode)) {
        const QString format = parser.value(episode).toLower();
        if (format != u"x" && format != u"se")
            throw CliError{Usage, u"--episode takes x or se"_s};
        o.source = format == u"x" ? NameSource::FolderEpisodeX : NameSource::FolderEpisodeSE;
    } else if (parser.isSet(names)) {
        o.namesFile = parser.value(names);
    }
    if (parser.isSet(width)) {
        bool ok = false;
        o.width = parser.value(width).toInt(&ok);
        if (!ok || o.width == 1 || o.width < 0 || o.width > 9)
            throw CliError{Usage, u"--width takes 0 or 2 to 9"_s};
    }
    o.explicitSettings = parser.isSet(settings);
    o.settingsFile = o.explicitSettings ? parser.value(settings) : defaultSettingsFile();
    o.hasPattern = parser.isSet(pattern);
    o.pattern = parser.value(pattern);
    o.numeric = parser.isSet(numeric);
    o.yes = parser.isSet(yes);
    o.nullSeparated = parser.isSet(nullSeparated);
    return o;
}

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

// Keeps the folder's journal in step with a renaming or an undo: the plan
// takes the journal's place at the first changed step, progress is appended
// as it goes (steps done in batches, settled entries one by one, since an
// undo leaves nothing on disk to tell them apart), and what is left to undo
// is written when the command ends.
class JournalRecorder : public RenameRecorder {
public:
    // For a renaming: the plan, already prepared in the journal.
    JournalRecorder(RenameJournal& journal, QString folder, std::vector<RenameStep> plan)
        : m_journal(journal)
        , m_folder(std::move(folder))
        , m_plan(std::move(plan))
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
        if (m_stepsDone % ProgressBatch == 0)
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
    }
    void finished(const std::vector<RenameStep>& undoSet) override
    {
        if (!m_committed) {
            // Nothing changed on disk: the previous renaming stays undoable.
            m_journal.discardPrepared(m_folder);
            return;
        }
        m_saved = m_journal.rewrite(m_folder, undoSet);
    }
    bool saved() const { return m_saved; }

private:
    static constexpr std::size_t ProgressBatch = 64;
    RenameJournal& m_journal;
    QString m_folder;
    std::vector<RenameStep> m_plan;
    std::vector<std::size_t> m_journalIndex;
    bool m_committed = false;
    bool m_undoing = false;
    bool m_endRecorded = false;
    std::size_t m_stepsDone = 0;
    bool m_saved = true;
};

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
        m_enumerator.setPath(m_options.folder);
        m_workspace.fileRows = m_enumerator.names();
        if (m_options.numeric)
            SortNumerically(m_workspace.fileRows);
        if (m_workspace.fileRows.isEmpty())
            throw CliError{Refused, text(u"MSG_ERREUR_LISTE_FICHIERS_VIDE"_s)};
    }

    void applyPattern()
    {
        const QString stored = ReadIniString(m_options.settingsFile, SettingsKey::Section,
                                             SettingsKey::Extensions, DefaultExtensions);
        m_enumerator.setPattern(m_options.hasPattern ? m_options.pattern : stored);
    }

    QStringList generateNames()
    {
        TreatmentOptions options = LoadTreatmentOptions(m_options.settingsFile);
        const qsizetype files = m_workspace.fileRows.size();
        options.NumberingWidth = FillWidthForListing(options.NumberingWidth, files);
        m_workspace.sourceRecords = RecordsFromLines(sourceLines());
        m_workspace.nameRows =
            GenerateNames(m_workspace.sourceRecords, options, m_workspace.fileRows);
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
        RenameCommand command(m_options.folder, m_fileSystem, m_prompter, m_texts, &recorder);
        const RenameOutcome outcome = command.run(plan, m_workspace.undoSet, m_options.yes);
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
        RenameCommand command(m_options.folder, m_fileSystem, m_prompter, m_texts, &recorder);
        const RenameOutcome outcome = command.undo(m_workspace.undoSet);
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
    FileEnumerator m_enumerator{m_fileSystem};
    CliPrompter m_prompter;
    RenameWorkspace m_workspace;
};

} // namespace

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
