// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/SpecialFolders.h"
#include "i18n/TranslationCatalogue.h"
#include "naming/NamePipeline.h"

#include <QString>
#include <QStringList>

namespace tervane::cli {

// What the command line asks for.
struct Options {
    QString command;
    QString folder;
    QString settingsFile;
    bool explicitSettings = false;
    QString pattern;
    bool hasPattern = false;
    bool numeric = false;
    bool byDateTaken = false;  // --sort taken
    bool dateFallback = false; // --date-fallback mtime
    bool yes = false;
    bool forgetInterrupted = false; // rename over a renaming left unfinished
    bool inOrder = false;           // rename row by row, without ordering chains and cycles
    bool nullSeparated = false;     // names read and listed each ended by a NUL
    bool dryRun = false;            // rename shows its plan, as preview does, and renames nothing
    bool verbose = false;           // each name changed is told as it is changed
    bool quiet = false;             // nothing on standard output: errors only
    NameSource source = NameSource::TextFile;
    QString namesFile = QStringLiteral("-");
    QString templateText;
    int width = -1;
    bool replace = false; // --replace FROM TO: the find and replace of this run
    QString replaceFrom;
    QString replaceTo;
    bool regex = false; // FROM, or the stored one, is a regular expression
    int undoTo = 1;     // undo: the renamings undone, latest first
};

// The folder of the executable: language files and a portable settings file.
QString programFolder();
QString defaultSettingsFile(const SpecialFolders& folders);
// Where the journals live: in the state folder, else, without one, beside
// the settings file in use, where they lived before.
QString journalFolderFor(const SpecialFolders& folders, const QString& settingsFile);
// The arguments before "--", where options may be: those after it are
// only ever folders (or the command).
QStringList optionPart(const QStringList& arguments);
// Throws CliError (exit code 2) for arguments that make no command, its
// message taken from texts.
Options parseOptions(const QStringList& arguments, const TranslationCatalogue& texts,
                     const SpecialFolders& folders);

} // namespace tervane::cli
