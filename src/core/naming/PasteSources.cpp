// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/PasteSources.h"

#include "base/AppError.h"
#include "i18n/TextKeys.h"
#include "i18n/TranslationCatalogue.h"
#include "naming/Numbering.h"
#include "naming/TemplateFields.h"
#include "services/Clipboard.h"
#include "services/Dialogs.h"
#include "services/Prompter.h"
#include "text/FileNameBytes.h"
#include "text/TextDecoding.h"
#include "text/TextHelpers.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

// Lines made of pieces joined by carriage returns, a piece adding no line
// break while the text is still empty.
QStringList joinedLines(const QStringList& pieces)
{
    QString text;
    for (const QString& piece : pieces) {
        if (!text.isEmpty())
            text += u'\r';
        text += piece;
    }
    return splitIntoLines(text);
}

// The file's bytes, at most limit of them, whatever size it claims: a pipe or
// a device may have none, or no end. A regular file is read in one piece of
// its size and one more byte, so a short list costs no more than its size.
QByteArray bytesUpTo(QFile& file, qint64 limit)
{
    constexpr qint64 Piece = 64 * 1024;
    QByteArray bytes;
    qint64 room = file.isSequential() ? Piece : std::min(file.size() + 1, limit);
    qint64 have = 0;
    while (room > 0) {
        bytes.resize(have + room);
        const qint64 got = file.read(bytes.data() + have, room);
        if (got < 0)
            throw AppError(EIO, descriptionOfError(EIO));
        if (got == 0)
            break;
        have += got;
        room = std::min(std::max(have, Piece), limit - have);
    }
    bytes.resize(have);
    return bytes;
}

// The names of the files, one a line: the first ten, an ellipsis for the
// others.
QString shownFileNames(const QStringList& paths)
{
    constexpr qsizetype Shown = 10;
    QStringList names;
    for (const QString& path : paths.first(std::min(paths.size(), Shown)))
        names << shownFileName(getLastPathComponent(path));
    if (paths.size() > Shown)
        names << u"…"_s;
    return names.join(u'\n');
}

} // namespace

std::optional<QStringList> linesOfClipboard(const QString& clipboardText)
{
    if (trimmedSpaces(clipboardText).isEmpty())
        return std::nullopt;
    return textLines(clipboardText);
}

namespace {

QByteArray namesFileBytes(QFile& file)
{
    QByteArray bytes = bytesUpTo(file, MaximumTextFileSize + 1);
    if (bytes.size() > MaximumTextFileSize)
        throw AppError(EFBIG, QStringLiteral("The file is too large to be a list of names."));
    return bytes;
}

QStringList linesOfBytes(const QByteArray& bytes)
{
    const std::optional<QString> text = decodeTextFile(bytes);
    if (!text)
        throw AppError(EINVAL, QStringLiteral("The file is not a text file."));
    return textLines(*text);
}

} // namespace

QStringList textLinesOf(QFile& file)
{
    return linesOfBytes(namesFileBytes(file));
}

QStringList linesOfTextFile(const QString& path)
{
    if (const int problem = textFileProblem(path))
        throw AppError(problem, descriptionOfError(problem));
    QFile file;
    openForReading(file, path);
    return textLinesOf(file);
}

QStringList fileNameLines(const QStringList& fileRows)
{
    QStringList lines;
    lines.reserve(fileRows.size());
    for (const QString& file : fileRows)
        lines << getBaseName(shownFileName(file)).removeIf([](QChar c) {
            return isControlChar(c);
        });
    return lines;
}

QStringList linesFromTemplate(const QString& pattern, int width, const QStringList& fileRows,
                              const std::vector<FileTags>& tags)
{
    const FileTags none;
    QStringList pieces;
    pieces.reserve(fileRows.size());
    for (qsizetype i = 0; i < fileRows.size(); ++i) {
        const FileTags& fileTags = std::size_t(i) < tags.size() ? tags[std::size_t(i)] : none;
        pieces << trimmedSpaces(
            withoutForbiddenChars(fillTemplate(pattern, int(i + 1), width, fileRows[i], fileTags)));
    }
    return joinedLines(pieces);
}

QStringList pathsOfFiles(const QString& folder, const QStringList& fileRows)
{
    QStringList paths;
    paths.reserve(fileRows.size());
    const QString prefix = folder + u'/';
    for (const QString& row : fileRows)
        paths << prefix + row;
    return paths;
}

std::optional<SeriesFolder> seriesFolderOf(const QString& folderName)
{
    const int pos = findLast(folderName, QStringLiteral(" S"));
    if (pos < 1)
        return std::nullopt;
    const QString season = folderName.mid(pos + 1);
    if (!matchesPattern(season, repeatText(int(season.size()), QStringLiteral("[0-9]"))))
        return std::nullopt;
    return SeriesFolder{folderName.left(pos - 1), season};
}

QString episodeTemplate(const SeriesFolder& folder, NameSource source)
{
    if (source == NameSource::FolderEpisodeSE)
        return folder.series + QStringLiteral(" S") + folder.season + u'E' + NumberPlaceholder;
    return folder.series + u' ' + folder.season + u'x' + NumberPlaceholder;
}

QString captionOfEntry(const QString& entry)
{
    QString caption = entry;
    return caption.remove(QStringLiteral("...")).remove(u'&');
}

QString captionOfFolderEntry(const QString& entry)
{
    QString caption = entry;
    caption.remove(u'&');
    const qsizetype bracket = caption.indexOf(u'(');
    if (bracket >= 0)
        caption.truncate(bracket);
    return caption.trimmed();
}

int initialTemplateWidth(qsizetype fileCount)
{
    return std::max(2, digitCount(fileCount));
}

PasteSourceReader::PasteSourceReader(const Clipboard& clipboard, Dialogs& dialogs,
                                     NameAsker& nameAsker, Prompter& prompter,
                                     TagReading& tagReading, const TranslationCatalogue& texts)
    : m_clipboard(clipboard)
    , m_dialogs(dialogs)
    , m_nameAsker(nameAsker)
    , m_prompter(prompter)
    , m_telling(tagReading,
                [this](const QStringList& givenUp) {
                    m_prompter.message(
                        insertValues(text(TextKey::TagsGivenUp), {shownFileNames(givenUp)}),
                        MessageIcon::Exclamation);
                })
    , m_texts(texts)
{}

QString PasteSourceReader::text(const QString& key) const
{
    return m_texts.item(key);
}

std::optional<NameSourceInput>
PasteSourceReader::input(NameSource source, const QString& folderText, const ListedFiles& files)
{
    const auto linesInput = [](std::optional<QStringList> lines) -> std::optional<NameSourceInput> {
        if (!lines)
            return std::nullopt;
        return NameSourceInput{std::move(lines), {}, 0};
    };
    switch (source) {
    case NameSource::Clipboard:
        return linesInput(clipboardLines());
    case NameSource::TextFile:
        return linesInput(textFileLines(folderText));
    case NameSource::FileNames:
        return NameSourceInput{};
    case NameSource::TypedTemplate:
        return askedTemplate(captionOfEntry(text(TextKey::PasteTemplate)),
                             text(TextKey::TrackTemplate), files);
    case NameSource::FileTitles:
        return NameSourceInput{std::nullopt, TitleField, initialTemplateWidth(files.rows.size())};
    case NameSource::FolderEpisodeX:
    case NameSource::FolderEpisodeSE: {
        const auto series = seriesFolderOf(getLastPathComponent(folderText));
        if (!series)
            return std::nullopt;
        const QString entry = text(source == NameSource::FolderEpisodeX ? TextKey::PasteEpisodesX
                                                                        : TextKey::PasteEpisodesSE);
        return askedTemplate(captionOfFolderEntry(entry), episodeTemplate(*series, source), files);
    }
    case NameSource::DroppedText:
    case NameSource::Reapply:
        break;
    }
    return std::nullopt;
}

std::optional<QStringList> PasteSourceReader::read(NameSource source, const QString& folderText,
                                                   const ListedFiles& files)
{
    const auto brought = input(source, folderText, files);
    if (!brought)
        return std::nullopt;
    return sourceLines(source, *brought, files, m_telling);
}

std::optional<QStringList> PasteSourceReader::clipboardLines()
{
    auto lines = linesOfClipboard(m_clipboard.text());
    if (!lines)
        m_prompter.message(text(TextKey::EmptyClipboard), MessageIcon::Exclamation);
    return lines;
}

std::optional<QStringList> PasteSourceReader::textFileLines(const QString& folderText)
{
    const QString filters =
        text(TextKey::TextFiles) + u" (*.txt);;"_s + text(TextKey::AllFiles) + u" (*)"_s;
    const auto file =
        m_dialogs.openFileName(text(TextKey::ChooseTextFile), filters, folderText, u"txt"_s);
    if (!file)
        return std::nullopt;
    return linesOfTextFile(*file);
}

std::optional<NameSourceInput> PasteSourceReader::askedTemplate(const QString& caption,
                                                                const QString& pattern,
                                                                const ListedFiles& files)
{
    const qsizetype fileCount = files.rows.size();
    const auto answer = m_nameAsker.askName({caption, text(TextKey::EnterTemplate), pattern, true,
                                             initialTemplateWidth(fileCount), fileCount});
    if (!answer)
        return std::nullopt;
    return NameSourceInput{std::nullopt, answer->text, answer->fillWidth};
}

std::optional<QStringList> sourceLines(NameSource source, const NameSourceInput& input,
                                       const ListedFiles& files, TagReading& tagReading)
{
    if (input.lines)
        return input.lines;
    if (source == NameSource::FileNames)
        return fileNameLines(files.rows);
    return filledTemplateLines(input.templateText, input.width, files, tagReading);
}

std::optional<QStringList> filledTemplateLines(const QString& pattern, int width,
                                               const ListedFiles& files, TagReading& tagReading)
{
    std::vector<FileTags> tags;
    if (usesTagFields(pattern)) {
        auto read = tagReading.readTags(pathsOfFiles(files.folder, files.rows));
        if (!read)
            return std::nullopt;
        tags = std::move(*read);
    }
    return linesFromTemplate(pattern, width, files.rows, tags);
}

QStringList nulEndedNamesOf(QFile& file)
{
    QByteArray bytes = namesFileBytes(file);
    // UTF-16 holds NULs of its own: such a list is text.
    if (!bytes.contains('\0') || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return linesOfBytes(bytes);
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    QStringList names;
    for (const QByteArray& name : bytes.split('\0'))
        names << fileNameOfBytes(name);
    return names;
}

} // namespace tervane
