// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOptions.h"

#include "base/AppIdentity.h"
#include "cli/CliOutput.h"
#include "cli/CliTextKeys.h"
#include "cli/CliTexts.h"
#include "naming/NamePipeline.h"
#include "naming/TemplateFields.h"
#include "settings/Paths.h"
#include "settings/SettingsLocation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tervane::cli {

QString programFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString defaultSettingsFile(const SpecialFolders& folders)
{
    return settingsLocationFor(programFolder(), folders, AppTitle).filePath;
}

QString journalFolderFor(const SpecialFolders& folders, const QString& settingsFile)
{
    const QString journals = journalFolderOf(folders);
    return journals.isEmpty() ? earlierJournalFolderOf(settingsFile) : journals;
}

namespace {

// --replace takes two values, which the parser cannot read: they are taken
// out of the arguments first.
QStringList takeReplacement(QStringList arguments, Options& o, const TranslationCatalogue& texts)
{
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != u"--"; ++i) {
        if (arguments[i] != u"--replace")
            continue;
        if (i + 2 >= arguments.size())
            throw CliError{Usage, cliText(texts, CliKey::ReplaceValues)};
        o.replace = true;
        o.replaceFrom = arguments[i + 1];
        o.replaceTo = arguments[i + 2];
        arguments.remove(i, 3);
        break;
    }
    return arguments;
}

// The parser's complaint in the program's words: an option it does not
// know, or one whose value is missing.
QString parserProblem(const QCommandLineParser& parser, const QStringList& arguments,
                      const QList<QCommandLineOption>& options, const TranslationCatalogue& texts)
{
    const auto dashed = [](const QString& name) {
        return (name.size() == 1 ? u"-"_s : u"--"_s) + name;
    };
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
        return cliText(texts, CliKey::UnknownOption, {dashed(unknown.first())});
    for (const QCommandLineOption& option : options)
        if (!option.valueName().isEmpty())
            for (const QString& name : option.names())
                if (optionPart(arguments).endsWith(dashed(name)))
                    return cliText(texts, CliKey::MissingValue, {dashed(name)});
    return parser.errorText();
}

} // namespace

QStringList optionPart(const QStringList& arguments)
{
    const qsizetype end = arguments.indexOf(u"--"_s);
    return end < 0 ? arguments : arguments.first(end);
}

Options parseOptions(const QStringList& given, const TranslationCatalogue& texts,
                     const SpecialFolders& folders)
{
    const auto text = [&texts](const QString& key) { return cliText(texts, key); };
    Options o;
    const QStringList arguments = takeReplacement(given, o, texts);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption names(u"names"_s, {}, u"FILE"_s);
    const QCommandLineOption fileNames(u"file-names"_s);
    const QCommandLineOption templateText(u"template"_s, {}, u"TEXT"_s);
    const QCommandLineOption tags(u"tags"_s);
    const QCommandLineOption width(u"width"_s, {}, u"N"_s);
    const QCommandLineOption episode(u"episode"_s, {}, u"FORMAT"_s);
    const QCommandLineOption settings(u"settings"_s, {}, u"FILE"_s);
    const QCommandLineOption pattern(u"pattern"_s, {}, u"PATTERNS"_s);
    const QCommandLineOption numeric(u"numeric"_s);
    const QCommandLineOption sort(u"sort"_s, {}, u"ORDER"_s);
    const QCommandLineOption dateFallback(u"date-fallback"_s, {}, u"DATE"_s);
    const QCommandLineOption yes(u"yes"_s);
    const QCommandLineOption forgetInterrupted(u"forget-interrupted"_s);
    const QCommandLineOption inOrder(u"in-order"_s);
    const QCommandLineOption nullSeparated(QStringList{u"z"_s, u"0"_s, u"null"_s});
    const QCommandLineOption dryRun(QStringList{u"n"_s, u"dry-run"_s});
    const QCommandLineOption verbose(QStringList{u"v"_s, u"verbose"_s});
    const QCommandLineOption quiet(QStringList{u"q"_s, u"quiet"_s});
    const QCommandLineOption regex(u"regex"_s);
    const QCommandLineOption undoTo(u"to"_s, {}, u"N"_s);
    const QList<QCommandLineOption> all{
        names,   fileNames, templateText,      tags,          width,   episode, settings, pattern,
        numeric, yes,       forgetInterrupted, nullSeparated, inOrder, dryRun,  verbose,  quiet,
        regex,   sort,      dateFallback};
    parser.addOption(undoTo);
    parser.addOptions(all);
    if (!parser.parse(arguments))
        throw CliError{Usage, parserProblem(parser, arguments, all + QList{undoTo}, texts)};

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        throw CliError{Usage, text(CliKey::CommandAndFolder)};
    o.command = positional[0];
    o.folder = positional[1];
    const bool history = o.command == u"history";
    const bool redo = o.command == u"redo";
    if (o.command != u"preview" && o.command != u"rename" && o.command != u"undo" && !history &&
        !redo)
        throw CliError{Usage, cliText(texts, CliKey::UnknownCommand, {o.command})};

    const int sources = int(parser.isSet(names)) + int(parser.isSet(fileNames)) +
                        int(parser.isSet(templateText)) + int(parser.isSet(tags)) +
                        int(parser.isSet(episode));
    if (sources > 1)
        throw CliError{Usage, text(CliKey::OneSourceOnly)};
    if (o.command == u"undo" &&
        (sources > 0 || parser.isSet(pattern) || parser.isSet(numeric) || parser.isSet(sort) ||
         parser.isSet(dateFallback) || parser.isSet(yes) || parser.isSet(width) ||
         parser.isSet(dryRun) || o.replace || parser.isSet(regex)))
        throw CliError{Usage, text(CliKey::UndoWithoutOptions)};
    if (o.command == u"undo" && parser.isSet(nullSeparated))
        throw CliError{Usage, text(CliKey::NullWith)};
    // The history is listed, and redone, as it was recorded.
    if ((history || redo) &&
        (sources > 0 || parser.isSet(pattern) || parser.isSet(numeric) || parser.isSet(yes) ||
         parser.isSet(width) || parser.isSet(dryRun) || o.replace || parser.isSet(regex) ||
         parser.isSet(forgetInterrupted) || parser.isSet(inOrder) ||
         (redo && parser.isSet(nullSeparated)) || (history && parser.isSet(quiet))))
        throw CliError{Usage, cliText(texts, CliKey::HistoryWithoutOptions, {o.command})};
    if (parser.isSet(undoTo)) {
        bool ok = false;
        o.undoTo = parser.value(undoTo).toInt(&ok);
        if (o.command != u"undo")
            throw CliError{Usage, text(CliKey::ToWith)};
        if (!ok || o.undoTo < 1)
            throw CliError{Usage, text(CliKey::ToValues)};
    }
    if (parser.isSet(width) && !parser.isSet(templateText) && !parser.isSet(tags) &&
        !parser.isSet(episode))
        throw CliError{Usage, text(CliKey::WidthWith)};
    if (parser.isSet(yes) && o.command != u"rename")
        throw CliError{Usage, text(CliKey::YesWith)};
    if (parser.isSet(forgetInterrupted) && o.command != u"rename")
        throw CliError{Usage, text(CliKey::ForgetInterruptedWith)};
    if (parser.isSet(quiet) && (o.command == u"preview" || parser.isSet(verbose)))
        throw CliError{Usage, text(CliKey::QuietWith)};

    if (parser.isSet(fileNames)) {
        o.source = NameSource::FileNames;
    } else if (parser.isSet(templateText)) {
        o.source = NameSource::TypedTemplate;
        o.templateText = parser.value(templateText);
    } else if (parser.isSet(tags)) {
        o.source = NameSource::TypedTemplate;
        o.templateText = TitleField;
    } else if (parser.isSet(episode)) {
        const QString format = parser.value(episode).toLower();
        if (format != u"x" && format != u"se")
            throw CliError{Usage, text(CliKey::EpisodeFormat)};
        o.source = format == u"x" ? NameSource::FolderEpisodeX : NameSource::FolderEpisodeSE;
    } else if (parser.isSet(names)) {
        o.namesFile = parser.value(names);
    }
    if (parser.isSet(width)) {
        bool ok = false;
        o.width = parser.value(width).toInt(&ok);
        if (!ok || o.width == 1 || o.width < 0 || o.width > 9)
            throw CliError{Usage, text(CliKey::WidthValues)};
    }
    o.explicitSettings = parser.isSet(settings);
    o.settingsFile = o.explicitSettings ? parser.value(settings) : defaultSettingsFile(folders);
    o.hasPattern = parser.isSet(pattern);
    o.pattern = parser.value(pattern);
    o.numeric = parser.isSet(numeric);
    if (parser.isSet(sort)) {
        const QString order = parser.value(sort);
        if (order != u"name" && order != u"numeric" && order != u"taken")
            throw CliError{Usage, text(CliKey::SortValues)};
        o.numeric = o.numeric || order == u"numeric";
        o.byDateTaken = order == u"taken";
    }
    if (parser.isSet(dateFallback)) {
        const QString fallback = parser.value(dateFallback);
        if (fallback != u"none" && fallback != u"mtime")
            throw CliError{Usage, text(CliKey::DateFallbackValues)};
        o.dateFallback = fallback == u"mtime";
    }
    o.yes = parser.isSet(yes);
    o.forgetInterrupted = parser.isSet(forgetInterrupted);
    o.inOrder = parser.isSet(inOrder);
    o.nullSeparated = parser.isSet(nullSeparated);
    o.dryRun = parser.isSet(dryRun);
    o.verbose = parser.isSet(verbose);
    o.quiet = parser.isSet(quiet);
    o.regex = parser.isSet(regex);
    if (o.replace && o.regex)
        if (const QString problem = expressionProblem(o.replaceFrom); !problem.isEmpty())
            throw CliError{Usage, cliText(texts, CliKey::InvalidExpression,
                                          {escaped(o.replaceFrom), problem})};
    return o;
}

} // namespace tervane::cli
