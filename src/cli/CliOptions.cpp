#include "cli/CliOptions.h"

#include "cli/CliOutput.h"
#include "platform/SystemFolders.h"
#include "services/AppIdentity.h"
#include "settings/SettingsLocation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tervane::cli {

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
    return settingsLocationFor(programFolder(), systemSpecialFolders(), AppTitle).filePath;
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

} // namespace tervane::cli
