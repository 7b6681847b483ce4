// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileEnumerator.h"

#include "text/NameKey.h"
#include "text/NamePositions.h"
#include "text/NaturalSort.h"

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace tervane {

namespace {

struct CodePoint {
    char32_t value;
    qsizetype size; // in code units
};

CodePoint codePointAt(QStringView text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(c, text[i + 1]), 2};
    return {c.unicode(), 1};
}

PreparedPattern preparedPattern(QStringView pattern)
{
    const QString composed = mayNeedComposing(pattern)
                                 ? pattern.toString().normalized(QString::NormalizationForm_C)
                                 : pattern.toString();
    QString result;
    result.reserve(composed.size());
    for (qsizetype i = 0; i < composed.size();) {
        const CodePoint c = codePointAt(composed, i);
        const char32_t f = foldedCodePoint(c.value);
        if (QChar::requiresSurrogates(f))
            result.append(QChar(QChar::highSurrogate(f))).append(QChar(QChar::lowSurrogate(f)));
        else
            result.append(QChar(char16_t(f)));
        i += c.size;
    }
    const auto plain = [](QChar c) { return c != u'*' && c != u'?' && !c.isSurrogate(); };
    const bool starThenPlain =
        result.startsWith(u'*') && std::all_of(result.cbegin() + 1, result.cend(), plain);
    return {result, starThenPlain};
}

// Matches a composed name against a prepared pattern, folding the name as it
// goes. Iterative: on a mismatch, the last "*" seen takes one more character
// and matching resumes after it; earlier stars never need to move again, so
// the usual patterns run in linear time.
bool matchComposed(QStringView name, QStringView pattern)
{
    qsizetype n = 0;
    qsizetype p = 0;
    qsizetype starP = -1; // pattern position after the last "*"
    qsizetype starN = 0;  // name position that star's run ends at
    while (n < name.size()) {
        if (p < pattern.size()) {
            if (pattern[p] == u'*') {
                starP = ++p;
                starN = n;
                continue;
            }
            const CodePoint c = codePointAt(name, n);
            if (pattern[p] == u'?') {
                n += c.size;
                ++p;
                continue;
            }
            const CodePoint wanted = codePointAt(pattern, p);
            if (wanted.value == foldedCodePoint(c.value)) {
                n += c.size;
                p += wanted.size;
                continue;
            }
        }
        if (starP < 0)
            return false;
        starN += codePointAt(name, starN).size;
        n = starN;
        p = starP;
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

// A star then plain characters is decided by the name's end alone when that
// end lies below U+0300: no composition reaches such characters (none
// combines with what comes before it), and each folds on its own.
std::optional<bool> matchedByEnd(QStringView name, QStringView end)
{
    if (name.size() < end.size())
        return std::nullopt;
    const QStringView tail = name.last(end.size());
    if (mayNeedComposing(tail))
        return std::nullopt;
    return std::equal(tail.begin(), tail.end(), end.begin(),
                      [](QChar c, QChar p) { return foldedCodePoint(c.unicode()) == p.unicode(); });
}

bool matchPrepared(QStringView name, const PreparedPattern& pattern)
{
    if (pattern.starThenPlain)
        if (const auto matched = matchedByEnd(name, QStringView(pattern.text).sliced(1)))
            return *matched;
    if (mayNeedComposing(name))
        return matchComposed(name.toString().normalized(QString::NormalizationForm_C),
                             pattern.text);
    return matchComposed(name, pattern.text);
}

} // namespace

bool matchesWildcard(QStringView name, QStringView pattern)
{
    return matchPrepared(name, preparedPattern(pattern));
}

FileEnumerator::FileEnumerator(const FileSystem& fileSystem)
    : m_fileSystem(fileSystem)
{
    setPattern(u"*.toto"_s); // placeholder until start-up hands over the real list
}

bool FileEnumerator::setPath(const QString& path)
{
    if (!m_fileSystem.folderExists(path))
        return false;
    m_path = path;
    read();
    return true;
}

void FileEnumerator::setPattern(const QString& patterns)
{
    m_pattern = patterns;
    m_preparedPatterns.clear();
    for (QStringView piece : QStringView(patterns).split(u';')) {
        piece = piece.trimmed();
        if (piece == u"*.*")
            piece = u"*";
        if (!piece.isEmpty())
            m_preparedPatterns.append(preparedPattern(piece));
    }
    // A keystroke in the pattern box filters the folder as last read; only
    // a folder never read yet is read now.
    if (m_readPath == m_path && !m_path.isEmpty())
        filter();
    else
        read();
}

void FileEnumerator::refresh()
{
    read();
}

void FileEnumerator::read()
{
    if (m_path.isEmpty())
        return;
    // Checked first because a vanished folder lists as empty: the names of
    // the last reading stay until the folder can be read again.
    if (!m_fileSystem.folderExists(m_path))
        return;
    // A folder that holds the same names as at the last reading keeps their
    // order, known already.
    QStringList others;
    std::vector<quint64> identities;
    QStringList read = m_fileSystem.listFiles(m_path, &others, &identities);
    m_identities = std::move(identities); // names alike may be other files
    if (m_readsBirths)
        m_births = m_fileSystem.fileBirths(m_path, read);
    if (read != m_read || m_path != m_readPath || others != m_others) {
        m_read = std::move(read);
        m_others = std::move(others);
        m_readPath = m_path;
        m_sorted = m_read;
        sortAlphabetically(m_sorted);
        ++m_readings;
    }
    filter();
}

void FileEnumerator::filter()
{
    if (m_preparedPatterns.isEmpty()) {
        m_names.clear();
        return;
    }
    QStringList names = m_sorted;
    names.removeIf([this](const QString& name) {
        return std::none_of(
            m_preparedPatterns.cbegin(), m_preparedPatterns.cend(),
            [&](const PreparedPattern& pattern) { return matchPrepared(name, pattern); });
    });
    m_names = std::move(names);
}

namespace {

template <typename Value>
bool anyKnown(const std::vector<Value>& values)
{
    return std::any_of(values.begin(), values.end(), [](Value v) { return v != 0; });
}

} // namespace

FileEnumerator::FilesFound FileEnumerator::filesOf(const QStringList& names) const
{
    const auto count = std::size_t(names.size());
    FilesFound found{std::vector<quint64>(count, 0), std::vector<qint64>(count, 0)};
    const bool identities = anyKnown(m_identities);
    const bool births = m_readsBirths && anyKnown(m_births);
    if (!identities && !births)
        return found;
    NamePositions positions(std::size_t(m_read.size()));
    for (qsizetype i = 0; i < m_read.size(); ++i)
        positions.add(m_read[i], std::size_t(i));
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = positions.find(names[qsizetype(i)]);
        if (identities && at < m_identities.size())
            found.identities[i] = m_identities[at];
        if (births && at < m_births.size())
            found.births[i] = m_births[at];
    }
    return found;
}

} // namespace tervane
