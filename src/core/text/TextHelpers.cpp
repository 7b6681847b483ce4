// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/TextHelpers.h"

#include <QDir>
#include <QLocale>

#include <algorithm>
#include <limits>

namespace tervane {

namespace {

// Whether c belongs to a bracketed list (the text between "[" and "]").
bool matchesList(QChar c, QStringView list)
{
    const bool negated = list.startsWith(u'!');
    if (negated)
        list = list.mid(1);
    bool found = false;
    for (qsizetype i = 0; i < list.size() && !found;) {
        if (i + 2 < list.size() && list[i + 1] == u'-') {
            found = c >= list[i] && c <= list[i + 2];
            i += 3;
        } else {
            found = c == list[i];
            ++i;
        }
    }
    return found != negated;
}

} // namespace

QString foldCase(const QString& text)
{
    QString folded(text.size(), Qt::Uninitialized);
    QChar* out = folded.data();
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            *out++ = QChar(u >= u'A' && u <= u'Z' ? u + (u'a' - u'A') : u);
        else
            *out++ = c.isSurrogate() ? c : c.toCaseFolded();
    }
    return folded;
}

QString replaceText(const QString& expression, const QString& find, const QString& replacement,
                    int start)
{
    // An empty find would be found again at the same place forever.
    if (find.isEmpty())
        return expression;
    QString result = expression;
    qsizetype from = std::max(start, 1) - 1;
    for (;;) {
        const qsizetype at = result.indexOf(find, from);
        if (at < 0)
            return result;
        result.replace(at, find.size(), replacement);
        from = at + replacement.size();
    }
}

QStringList splitText(const QString& expression, const QString& delimiter, int limit)
{
    if (limit == 0)
        return {};
    if (delimiter.isEmpty())
        return {expression};
    QStringList pieces;
    qsizetype from = 0;
    while (limit < 0 || pieces.size() < limit - 1) {
        const qsizetype at = expression.indexOf(delimiter, from);
        if (at < 0)
            break;
        pieces.append(expression.mid(from, at - from));
        from = at + delimiter.size();
    }
    pieces.append(expression.mid(from));
    return pieces;
}

int findLast(const QString& text, const QString& match, int start)
{
    const qsizetype length = match.size();
    if (length == 0 || length > text.size())
        return 0;
    // Latest 0-based index at which an occurrence still ends at or before start.
    const qsizetype lastFit = text.size() - length;
    const qsizetype last = start == -1 ? lastFit : std::min<qsizetype>(start - length, lastFit);
    // lastIndexOf reads a negative index as counted from the end: refuse it.
    if (last < 0)
        return 0;
    return int(text.lastIndexOf(match, last) + 1);
}

QString repeatText(int count, const QString& text)
{
    return count < 1 ? QString() : text.repeated(count);
}

QString trimmedSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == u' ')
        ++first;
    while (end > first && text[end - 1] == u' ')
        --end;
    return text.mid(first, end - first);
}

int readNumber(const QString& text)
{
    constexpr int highest = std::numeric_limits<int>::max();
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    int value = 0;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i) {
        const int digit = text[i].unicode() - u'0';
        if (value > (highest - digit) / 10)
            return highest;
        value = value * 10 + digit;
    }
    return value;
}

QString lowerCase(const QString& text)
{
    // Only Turkish and Azerbaijani lower some letters (the dotted and dotless
    // i) unlike Unicode's default; asking the locale costs far more than the
    // default mapping, and this runs for every name at every keystroke.
    static const bool languageSpecific = [] {
        const QLocale::Language language = QLocale().language();
        return language == QLocale::Turkish || language == QLocale::Azerbaijani;
    }();
    return languageSpecific ? QLocale().toLower(text) : text.toLower();
}

bool matchesPattern(const QString& text, const QString& pattern)
{
    // Every element takes exactly one character, so one forward walk decides.
    qsizetype t = 0;
    for (qsizetype p = 0; p < pattern.size(); ++p, ++t) {
        if (t >= text.size())
            return false;
        const QChar c = text[t];
        const QChar element = pattern[p];
        const qsizetype close = element == u'[' ? pattern.indexOf(u']', p + 1) : -1;
        bool ok;
        if (close >= 0) {
            ok = matchesList(c, QStringView(pattern).mid(p + 1, close - p - 1));
            p = close;
        } else if (element == u'#') {
            ok = isAsciiDigit(c);
        } else {
            ok = element == u'?' || element == c;
        }
        if (!ok)
            return false;
    }
    return t == text.size();
}

QString getBaseName(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? fileName : fileName.left(dot);
}

QStringView extensionOf(QStringView fileName)
{
    // A plain backward scan: every name run asks this of every file, and the
    // library's search is made for longer needles.
    for (qsizetype dot = fileName.size(); dot-- > 0;)
        if (fileName[dot] == u'.')
            return fileName.sliced(dot);
    return {};
}

QString getLastPathComponent(const QString& path)
{
    const QChar separator = QDir::separator();
    QString trimmed = path;
    if (trimmed.endsWith(separator))
        trimmed.chop(1);
    return trimmed.mid(trimmed.lastIndexOf(separator) + 1);
}

QString withoutForbiddenChars(const QString& text)
{
    QString result = text;
    return result.removeIf(isForbiddenChar);
}

QString cleanNamePart(const QString& text)
{
    QString clean = withoutForbiddenChars(text);
    removeLoneSurrogates(clean);
    return clean;
}

qsizetype unitIndexOfCodePoint(QStringView text, qsizetype p)
{
    qsizetype i = 0;
    for (qsizetype seen = 0; seen < p && i < text.size(); ++seen)
        i += text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                              : 1;
    return i;
}

void removeLoneSurrogates(QString& text)
{
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSurrogate(); }))
        return;
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            kept.append(c).append(text[++i]);
        } else if (!c.isSurrogate()) {
            kept.append(c);
        }
    }
    text = kept;
}

void lowerAllButFirstInPlace(QString& text)
{
    // Plain ASCII, the common case, is lowered where it stands.
    for (qsizetype i = 1; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u >= 0x80) {
            text = text.left(1) + lowerCase(text.mid(1));
            return;
        }
        if (u >= u'A' && u <= u'Z')
            text[i] = QChar(u + (u'a' - u'A'));
    }
}

QString lowerAllButFirst(const QString& text)
{
    QString lowered = text;
    lowerAllButFirstInPlace(lowered);
    return lowered;
}

QString keepDigits(const QString& text)
{
    QString result = text;
    return result.removeIf([](QChar c) { return !isAsciiDigit(c) && c.unicode() >= 32; });
}

} // namespace tervane
