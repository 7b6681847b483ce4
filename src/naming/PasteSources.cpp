#include "PasteSources.h"

#include "Numbering.h"
#include "TextHelpers.h"
#include "platform/AppError.h"
#include "platform/TextDecoding.h"

#include <QFile>

#include <cerrno>

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
    return SplitIntoLines(text);
}

constexpr qint64 TextSniffSize = 8192;

} // namespace

std::optional<QStringList> ClipboardLines(const QString& clipboardText)
{
    if (TrimSpaces(clipboardText).isEmpty())
        return std::nullopt;
    return SplitIntoLines(NormaliseLineBreaks(clipboardText));
}

QStringList TextFileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(file.error(), file.errorString());
    if (file.size() > MaximumTextFileSize)
        throw AppError(EFBIG, QStringLiteral("The file is too large to be a list of names."));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(file.error(), file.errorString());
    if (bytes.left(TextSniffSize).contains('\0'))
        throw AppError(EINVAL, QStringLiteral("The file is not a text file."));
    return SplitIntoLines(NormaliseLineBreaks(DecodeText(bytes)));
}

QStringList FileNameLines(const QStringList& fileRows)
{
    QStringList baseNames;
    for (const QString& file : fileRows)
        baseNames << GetBaseName(file);
    return joinedLines(baseNames);
}

QStringList TemplateLines(const QString& pattern, int width, qsizetype fileCount)
{
    QStringList pieces;
    for (qsizetype i = 1; i <= fileCount; ++i)
        pieces << TrimSpaces(RemoveForbiddenChars(FormatTemplateName(pattern, int(i), width)));
    return joinedLines(pieces);
}

std::optional<SeriesFolder> SeriesFolderOf(const QString& folderName)
{
    const int pos = FindLast(folderName, QStringLiteral(" S"), -1, CompareMode::Binary);
    if (pos < 1)
        return std::nullopt;
    const QString season = folderName.mid(pos + 1);
    if (!MatchesPattern(season, RepeatText(int(season.size()), QStringLiteral("[0-9]"))))
        return std::nullopt;
    return SeriesFolder{folderName.left(pos - 1), season};
}

QString EpisodeTemplate(const SeriesFolder& folder, NameSource source)
{
    if (source == NameSource::FolderEpisodeSE)
        return folder.series + QStringLiteral(" S") + folder.season + u'E' + NumberPlaceholder;
    return folder.series + u' ' + folder.season + u'x' + NumberPlaceholder;
}

QString CaptionOfEntry(const QString& entry)
{
    QString caption = entry;
    return caption.remove(QStringLiteral("...")).remove(u'&');
}

QString CaptionOfFolderEntry(const QString& entry)
{
    QString caption = entry;
    caption.remove(u'&');
    const qsizetype bracket = caption.indexOf(u'(');
    if (bracket >= 0)
        caption.truncate(bracket);
    return caption.trimmed();
}

int InitialTemplateWidth(qsizetype fileCount)
{
    return std::max(2, DigitCount(fileCount));
}
