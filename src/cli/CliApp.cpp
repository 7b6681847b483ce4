// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliApp.h"

#include "base/AppError.h"
#include "base/AppIdentity.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/CliTextKeys.h"
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "i18n/ErrorReasons.h"
#include "i18n/TranslationCatalogue.h"
#include "settings/Paths.h"
#include "text/TextDecoding.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <optional>

using namespace Qt::StringLiterals;

namespace tervane {

using namespace tervane::cli;

namespace {

// Why settings named on the command line cannot be used, as an error number,
// or 0. They must be the ones read: a file that exists but cannot be opened
// (refused access) would otherwise leave the built-in settings in force.
int settingsFileProblem(const QString& path)
{
    if (const int problem = textFileProblem(path))
        return problem;
    try {
        QFile file;
        openForReading(file, path);
    } catch (const AppError& error) {
        return error.number();
    }
    return 0;
}

// A renaming or an undo holds the folder's lock for the whole command, from
// the listing and the plan to the end.
int runCommand(Options options, TranslationCatalogue texts, const CliServices& services,
               OutputStreams streams)
{
    CommandContext context(std::move(options), std::move(texts), services, streams);
    const QString& command = context.options.command;
    if (command == u"preview")
        return PreviewCommand(context).run();
    // Only read, under the lock the listing takes itself.
    if (command == u"history")
        return HistoryCommand(context).run();
    // A dry run plans, and refuses, as the renaming would; without the lock,
    // as it changes nothing.
    if (context.options.dryRun)
        return RenameFilesCommand(context).run();
    // The names are read first: a source that keeps the command waiting (a
    // terminal, a pipe nobody writes to) holds no lock meanwhile.
    std::optional<RenameFilesCommand> renaming;
    if (command != u"undo" && command != u"redo") {
        renaming.emplace(context);
        renaming->readNames();
    }
    QString refusal;
    const auto hold = context.session.holdFolder(context.options.folder, context.texts,
                                                 escaped(context.options.folder), refusal);
    if (!hold)
        throw CliError{Refused, refusal};
    if (command == u"redo")
        return RedoCommand(context).run();
    if (!renaming)
        return UndoCommand(context).run();
    return renaming->run();
}

// The command the arguments ask for, its exit code.
int runArguments(const QStringList& arguments, TranslationCatalogue texts,
                 const QString& settingsFile, const CliServices& services, OutputStreams streams)
{
    const QStringList options = optionPart(arguments);
    if (options.contains(u"--help"_s) || options.contains(u"-h"_s)) {
        print(streams.out,
              cliText(texts, CliKey::Help, {journalFolderFor(services.folders, settingsFile)}) +
                  u"\n\n"_s + cliText(texts, CliKey::HelpHistory));
        return Done;
    }
    if (options.contains(u"--version"_s) || options.contains(u"-V"_s)) {
        print(streams.out, u"tervane-cli "_s + fullVersion());
        return Done;
    }
    try {
        Options options = parseOptions(arguments, texts, services.folders);
        if (!QFileInfo(options.folder).isDir())
            throw CliError{Usage, cliText(texts, CliKey::NoSuchFolder, {escaped(options.folder)})};
        // The folder is found once: a link on the way to it, changed while the
        // command runs, cannot lead the renames to another folder.
        options.folder = canonicalFolder(options.folder);
        if (options.explicitSettings) {
            if (!pathExists(options.settingsFile, 0))
                throw CliError{Usage,
                               cliText(texts, CliKey::NoSuchSettings, {options.settingsFile})};
            if (const int problem = settingsFileProblem(options.settingsFile))
                throw CliError{Usage,
                               cliText(texts, CliKey::SettingsUnreadable,
                                       {options.settingsFile, textFileReason(texts, problem)})};
        }
        return runCommand(std::move(options), std::move(texts), services, streams);
    } catch (const CliError& error) {
        print(streams.err, u"tervane-cli: "_s + error.message);
        return error.code;
    }
}

} // namespace

int runCliCommand(const QStringList& arguments, const CliServices& services, OutputStreams streams)
{
    const QString settingsFile = settingsFileOf(arguments, services.folders);
    TranslationCatalogue texts = cliCatalogue(settingsFile);
    const int code = runArguments(arguments, texts, settingsFile, services, streams);
    // Output lost (a full disk) is a failure, not a success. A reader that
    // went away (| head) wanted no more: that ends the command quietly, as
    // the pipe's own signal would have once the work was done.
    const bool flushed = std::fflush(streams.out) == 0;
    if (flushed && !std::ferror(streams.out))
        return code;
    const int error = flushed ? writeError(streams.out) : errno;
    if (error == EPIPE)
        return code == Done ? OutputClosed : code;
    print(streams.err, u"tervane-cli: "_s +
                           cliText(texts, CliKey::OutputNotWritten, {errorReason(texts, error)}));
    return code == Done ? StepFailed : code;
}

} // namespace tervane
