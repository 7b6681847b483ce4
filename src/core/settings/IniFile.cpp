// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniFile.h"

#include "text/TextDecoding.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cerrno>

namespace tervane {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimBlanks(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text[start]))
        ++start;
    while (end > start && isBlank(text[end - 1]))
        --end;
    return text.sliced(start, end - start);
}

// The name of a section line ("[name]"), or nothing for any other line.
std::optional<QStringView> sectionName(QStringView trimmedLine)
{
    if (!trimmedLine.startsWith(u'['))
        return std::nullopt;
    QStringView inside = trimmedLine.sliced(1);
    const qsizetype close = inside.indexOf(u']');
    if (close >= 0)
        inside = inside.first(close);
    return trimBlanks(inside);
}

// The key of a key line, or nothing for a comment or a line without "=".
std::optional<QStringView> keyName(QStringView trimmedLine)
{
    if (trimmedLine.startsWith(u';'))
        return std::nullopt;
    const qsizetype equals = trimmedLine.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return trimBlanks(trimmedLine.first(equals));
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString valueOf(QStringView trimmedLine)
{
    QStringView value = trimBlanks(trimmedLine.sliced(trimmedLine.indexOf(u'=') + 1));
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.first(std::min<qsizetype>(value.size(), IniBufferSize - 1)).toString();
}

// The text of a settings or language file: empty when missing or no regular
// text file (a pipe could block forever, a device never end); nothing when
// it exists but cannot be read.
std::optional<QString> readWholeFile(const QString& file)
{
    if (const int problem = textFileProblem(file))
        return problem == EACCES ? std::nullopt : std::optional<QString>(QString());
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = input.readAll();
    if (input.error() != QFileDevice::NoError)
        return std::nullopt;
    return decodeTextLines(bytes);
}

QStringList splitLines(const QString& text)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

struct SectionRange {
    qsizetype header = -1; // line of "[section]", -1 when absent
    qsizetype end = 0;     // first line after the section
};

SectionRange findSection(const QStringList& lines, QStringView section)
{
    SectionRange range;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(trimBlanks(lines[i]));
        if (!name)
            continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (sameName(*name, section))
            range.header = i;
    }
    range.end = lines.size();
    return range;
}

qsizetype findKey(const QStringList& lines, const SectionRange& range, QStringView key)
{
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const auto name = keyName(trimBlanks(lines[i]));
        if (name && sameName(*name, key))
            return i;
    }
    return -1;
}

// Calls visit(trimmedLine) for every key line of the first section named
// section, until visit returns false.
template <typename Visit>
void forEachKeyLine(const QString& text, const QString& section, Visit visit)
{
    bool inSection = false;
    bool sectionSeen = false;
    for (QStringView rest = text; !rest.isEmpty();) {
        qsizetype newline = rest.indexOf(u'\n');
        if (newline < 0)
            newline = rest.size();
        QStringView line = rest.first(newline);
        rest = rest.sliced(std::min(newline + 1, rest.size()));
        if (line.endsWith(u'\r'))
            line.chop(1);
        line = trimBlanks(line);

        if (const auto name = sectionName(line)) {
            if (sectionSeen)
                return; // only the first section of that name counts
            inSection = sameName(*name, section);
            sectionSeen = inSection;
        } else if (inSection) {
            const auto name = keyName(line);
            if (name && !visit(*name, line))
                return;
        }
    }
}

} // namespace

QHash<QString, QString> readIniSection(const QString& text, const QString& section)
{
    QHash<QString, QString> values;
    forEachKeyLine(text, section, [&values](QStringView key, QStringView line) {
        const QString folded = key.toString().toCaseFolded();
        if (!values.contains(folded))
            values.insert(folded, valueOf(line));
        return true;
    });
    return values;
}

std::optional<QString> lookupIniValue(const QString& text, const QString& section,
                                      const QString& key)
{
    std::optional<QString> value;
    forEachKeyLine(text, section, [&](QStringView name, QStringView line) {
        if (!sameName(name, key))
            return true;
        value = valueOf(line);
        return false;
    });
    return value;
}

QString readIniString(const QString& file, const QString& section, const QString& key,
                      const QString& defaultValue)
{
    return lookupIniValue(readWholeFile(file).value_or(QString()), section, key)
        .value_or(defaultValue);
}

void writeIniString(const QString& file, const QString& section, const QString& key,
                    const std::optional<QString>& value)
{
    // Never replace what is not a text file of ours, nor a file that could
    // not be read: its other settings would be lost.
    if (const int problem = textFileProblem(file); problem != 0 && problem != ENOENT)
        return;
    const std::optional<QString> read = readWholeFile(file);
    if (!read)
        return;
    const QString& text = *read;
    const QString newline = text.contains(u"\r\n") ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QStringList lines = splitLines(text);
    // A line break inside a value would cut it into lines of their own.
    QString oneLine = value.value_or(QString());
    oneLine.remove(u'\r').remove(u'\n');
    const QString keyLine = value ? key + u'=' + oneLine : QString();

    const SectionRange range = findSection(lines, section);
    if (range.header < 0) {
        if (!value)
            return;
        lines << u'[' + section + u']' << keyLine;
    } else if (const qsizetype found = findKey(lines, range, key); found >= 0) {
        if (value)
            lines[found] = keyLine;
        else
            lines.removeAt(found);
    } else {
        if (!value)
            return;
        qsizetype insertAt = range.end;
        while (insertAt > range.header + 1 && trimBlanks(lines[insertAt - 1]).isEmpty())
            --insertAt;
        lines.insert(insertAt, keyLine);
    }

    QSaveFile output(file);
    // In a folder where no temporary file can be made, the file itself is
    // written over.
    output.setDirectWriteFallback(true);
    // Unbuffered: a write the disk refuses fails here, and the old file stays
    // (a refused flush would not stop the commit).
    if (!output.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray bytes = (lines.join(newline) + newline).toUtf8();
    if (output.write(bytes) == bytes.size())
        output.commit();
}

} // namespace tervane
