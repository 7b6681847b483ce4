// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "naming/NamePipeline.h"
#include "services/TagReading.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <optional>

namespace tervane {

// How the paste sources obtain their lines. All of them cut the text at
// carriage returns; text from outside first has its bare line feeds turned
// into CR LF.

// The lines of the clipboard's text; nothing when the text is empty or only
// spaces.
std::optional<QStringList> linesOfClipboard(const QString& clipboardText);

// The lines of a text file, read as UTF-8 when valid, else Windows-1252.
// Throws AppError when the file cannot be read, is larger than
// MaximumTextFileSize, is no regular file or is not text (holds a NUL byte).
QStringList linesOfTextFile(const QString& path);
// The same from a file already open (standard input).
QStringList textLinesOf(QFile& file);

// Exactly one line per file: its name without extension and without the
// control characters a name may hold on disk (a carriage return would split
// it in two lines, and shift the pairing of every later row).
QStringList fileNameLines(const QStringList& fileRows);

// One line per file, from a template whose "[NUM]" takes the running number
// zero-filled to width and whose tag fields take the file's tags (none: the
// files hold none), rid of the characters a file name may not hold.
QStringList linesFromTemplate(const QString& pattern, int width, const QStringList& fileRows,
                              const std::vector<FileTags>& tags = {});

// The files named by the rows, in their folder: a copy, as the window may
// list another folder while the tags are read.
struct ListedFiles {
    QString folder;
    QStringList rows;
};

// A folder named after a series and its season: "Ma série S02".
struct SeriesFolder {
    QString series; // "Ma série"
    QString season; // "02", possibly empty
};

// The folder qualifies when it holds " S" followed by digits only (or
// nothing) after the last one.
std::optional<SeriesFolder> seriesFolderOf(const QString& folderName);

// The template offered for the episodes of a series folder: "Ma série
// 02x[NUM]" or "Ma série S02E[NUM]".
QString episodeTemplate(const SeriesFolder& folder, NameSource source);

// A dialog caption made of a menu entry: "&" and "..." removed.
QString captionOfEntry(const QString& entry);
// For the folder entries: "&" removed, cut before the first "(", trimmed.
QString captionOfFolderEntry(const QString& entry);

// The fill width the template dialog starts with: the file count's digits, at
// least 2.
int initialTemplateWidth(qsizetype fileCount);

// What a source of names brings before its lines are made: the lines a user
// gave (a paste, a text file, standard input, a drop), or a template to fill
// for each listed file with its number's width (typed, the titles', or the
// one made of a series folder's name). The current names bring nothing.
struct NameSourceInput {
    std::optional<QStringList> lines;
    QString templateText;
    int width = 0;
};

// The lines a source makes for the listed files from what it brought, the
// files' tags read only when the template has fields for them; none when
// that reading was cancelled.
std::optional<QStringList> sourceLines(NameSource source, const NameSourceInput& input,
                                       const ListedFiles& files, TagReading& tagReading);

class Clipboard;
class Dialogs;
class NameAsker;
class Prompter;
class TranslationCatalogue;

// Obtains the lines of one paste source, asking the user where the source
// needs it (the file to read, the template to number).
class PasteSourceReader {
public:
    PasteSourceReader(const Clipboard& clipboard, Dialogs& dialogs, NameAsker& nameAsker,
                      Prompter& prompter, TagReading& tagReading,
                      const TranslationCatalogue& texts);

    // What the source brings, asked of the user where it needs it; nothing
    // when there is nothing to paste or the user cancelled. Throws AppError
    // when a text file cannot be read.
    std::optional<NameSourceInput> input(NameSource source, const QString& folderText,
                                         const ListedFiles& files);
    // The lines, as sourceLines makes them of that input.
    std::optional<QStringList> read(NameSource source, const QString& folderText,
                                    const ListedFiles& files);
    // The tag reading to make the lines with: files given up on are said.
    TagReading& tagReading() { return m_telling; }

private:
    std::optional<QStringList> clipboardLines();
    std::optional<QStringList> textFileLines(const QString& folderText);
    std::optional<NameSourceInput> askedTemplate(const QString& caption, const QString& pattern,
                                                 const ListedFiles& files);
    QString text(const QString& key) const;

    const Clipboard& m_clipboard;
    Dialogs& m_dialogs;
    NameAsker& m_nameAsker;
    Prompter& m_prompter;
    TellingTagReading m_telling;
    const TranslationCatalogue& m_texts;
};

// The full paths of the files named by the rows of a folder.
QStringList pathsOfFiles(const QString& folder, const QStringList& fileRows);

// One line per listed file from a template, the files' tags read only when
// it has fields for them; none when that reading was cancelled.
std::optional<QStringList> filledTemplateLines(const QString& pattern, int width,
                                               const ListedFiles& files, TagReading& tagReading);

// Names each ended by a NUL, as find -print0 lists them, each as the bytes of
// a file name (the last NUL may be missing); a list without any NUL, or in
// UTF-16, is read by its lines, as textLinesOf reads it. Throws AppError as
// textLinesOf does.
QStringList nulEndedNamesOf(QFile& file);

} // namespace tervane
