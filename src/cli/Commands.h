// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliApp.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "i18n/TranslationCatalogue.h"
#include "session/RenameSession.h"

#include <QStringList>

#include <optional>

namespace tervane::cli {

// What every command works with: its options, the file system, where it
// writes, the texts in the language of the settings and one session, which
// keeps the journals.
struct CommandContext {
    CommandContext(Options commandOptions, TranslationCatalogue catalogue,
                   const CliServices& services, OutputStreams streams = {});
    // A text in the language of the settings, with its values.
    QString text(const QString& key, const QStringList& values = {}) const
    {
        return cliText(texts, key, values);
    }
    const QStringList& files() const { return session.rows().files; }
    const std::vector<NameRow>& names() const { return session.rows().names; }

    Options options;
    FileSystem& fileSystem;
    // The files' tags, each file given up on said in a line of its own.
    TellingTagReading tagReading;
    OutputStreams streams;
    TranslationCatalogue texts;
    RenameSession session;
    CliPrompter prompter;
};

// Lists the files, makes their new names and prints the two side by side.
class PreviewCommand {
public:
    explicit PreviewCommand(CommandContext& context);
    int run();

    void makePlan();
    // The files listed and their new names made: the rows of the plan.
    void listAndName();
    // The plan listed, with the rows that rename through a chain marked.
    void printPlan(const std::vector<bool>& chained) const;
    bool hasDateTaken(qsizetype row) const;
    // Refuses a plan whose lists do not pair up, or with an empty or doubled name.
    void refuseUnpairedPlan() const;
    // The summary goes with the listing, unless the listing is for programs.
    void report(const QString& summary) const;
    // Names from a file or standard input read now, ahead of the listing.
    void readNames();

private:
    void listFiles();
    void generateNames();
    NameSourceInput sourceInput() const;
    NameSourceInput templateInput(const QString& pattern) const;
    QStringList namesFileLines() const;
    template <typename Match>
    QString rowsWhere(Match match) const;

    CommandContext& m_context;
    std::optional<QStringList> m_namesRead;
};

// The preview, then the renaming itself, kept in the folder's journal.
class RenameFilesCommand {
public:
    explicit RenameFilesCommand(CommandContext& context);
    int run();
    void readNames() { m_preview.readNames(); }

private:
    void refuseOverInterruptedRenaming();
    void refuseNamesOfFolders() const;
    int renameFiles(const RenameSession::PlannedRenaming& planned);

    CommandContext& m_context;
    PreviewCommand m_preview;
};

// Renames back the last renaming of the folder, from its journal, resuming
// one that was interrupted.
class UndoCommand {
public:
    explicit UndoCommand(CommandContext& context);
    int run();

private:
    void refuseUnusableJournal() const;
    void refuseShortHistory();

    CommandContext& m_context;
};

// Lists the renamings of the folder that undo can undo, latest first.
class HistoryCommand {
public:
    explicit HistoryCommand(CommandContext& context);
    int run();

private:
    QByteArray rawEntry(std::size_t number, const RenameSession::HistoryEntry& entry) const;
    QString entryLine(std::size_t number, const RenameSession::HistoryEntry& entry) const;

    CommandContext& m_context;
};

// Renames again what the folder's last undo gave back.
class RedoCommand {
public:
    explicit RedoCommand(CommandContext& context);
    int run();

private:
    CommandContext& m_context;
};

// Says on standard error when the journal could not be brought up to date
// (after a command that went to its end or not); true when it did.
bool warnUnsavedJournal(const CommandContext& context, bool wentToTheEnd);

} // namespace tervane::cli
