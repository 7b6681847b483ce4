// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>

namespace tervane {

// String and file-name helpers used by the name pipeline, the numbering and the
// paste sources. All are pure. Positions are 1-based and count UTF-16 code
// units; several helpers deliberately differ from the Qt function of the same
// purpose at the edges, and the generated names depend on those differences.

// Simple case folding, one code unit for one (so positions agree with the
// original), with a quick path for ASCII. Characters outside the basic plane
// keep their case.
QString foldCase(const QString& text);

// Every occurrence of find at or after start replaced. The text before start is
// kept, and each search resumes after the inserted replacement, so "aaa" with
// find "aa" and an empty replacement gives "a". A start below 1 counts as 1; an
// empty find leaves the expression unchanged.
QString replaceText(const QString& expression, const QString& find, const QString& replacement,
                    int start = 1);

// The pieces between delimiters, at most limit of them (-1 or any negative
// value: no limit); the last piece holds the rest of the text. An empty
// expression gives one empty piece and a trailing delimiter a last empty piece.
// An empty delimiter gives the whole expression as the only piece. A limit of 0
// gives an empty list.
QStringList splitText(const QString& expression, const QString& delimiter, int limit = -1);

// Position of the last occurrence of match that ends at or before start
// (-1: the end of the text); 0 when there is none, when match is empty or when
// start is below 1.
int findLast(const QString& text, const QString& match, int start = -1);

// text repeated count times; empty for a count below 1.
QString repeatText(int count, const QString& text);

// Leading and trailing U+0020 removed; tabs, line breaks and no-break spaces
// are kept, unlike QString::trimmed().
QString trimmedSpaces(const QString& text);

// The number formed by the ASCII digits that follow any leading spaces; 0 when
// there are none. Values are positions and counts, so anything beyond INT_MAX
// saturates at INT_MAX instead of overflowing.
int readNumber(const QString& text);

// Lower-cased following the user's locale; accented capitals are lowered too.
QString lowerCase(const QString& text);

// Whether text matches pattern as a whole, one text character per pattern
// element: "#" a digit 0-9, "?" any character, "[list]" one character of a list
// of characters and ranges such as "[0-9A-Za-z]" ("[!list]" one character not
// in it). Any other character matches itself, "*" included. Always
// case-sensitive; ranges compare UTF-16 code units, so "é" is outside "[a-z]".
// A "[" without a closing "]" is an ordinary character; "-" first or last in a
// list is an ordinary character; a descending range such as "[z-a]" matches
// nothing.
bool matchesPattern(const QString& text, const QString& pattern);

// File-name helpers. Names are bare names (name and extension).

// The text before the last "."; the whole name when it has none.
QString getBaseName(const QString& fileName);

// The text from the last "." to the end, dot included; empty when there is none.
QStringView extensionOf(QStringView fileName);

// The text after the last separator once one trailing separator is removed:
// the name of the last folder of a path. The root alone gives an empty text
// here, a drive ("C:") on Windows.
QString getLastPathComponent(const QString& path);

// A decimal digit 0 to 9 (other scripts' digits do not count).
inline bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Text of ASCII characters only: the same in any encoding, UTF-8 included.
inline bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// text without the characters a file name may not hold:  : \ / < > ? * | "
// and the control characters (U+0000 to U+001F, U+007F), line breaks and
// tabs among them, which would break lines and listings.
QString withoutForbiddenChars(const QString& text);

inline bool isControlChar(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

inline constexpr std::array<bool, 128> ForbiddenAscii = [] {
    std::array<bool, 128> table{};
    for (int i = 0; i < 0x20; ++i)
        table[std::size_t(i)] = true;
    for (const char c : {':', '\\', '/', '<', '>', '?', '*', '|', '"', '\x7f'})
        table[std::size_t(c)] = true;
    return table;
}();

// Inline, from a table: it runs for every character of every name at every
// keystroke in an option box.
inline bool isForbiddenChar(QChar c)
{
    return c.unicode() < 128 && ForbiddenAscii[c.unicode()];
}

// A name part typed by the user (numbering prefix and suffix, added string):
// without forbidden characters and without halves of surrogate pairs.
QString cleanNamePart(const QString& text);

// Counting in characters as a user sees them: a character outside the Basic
// Multilingual Plane (an emoji) is one code point but two UTF-16 units, and
// is never cut in two.
// The UTF-16 index of the code point at 0-based position p (the text's size
// when p is at or past its end).
qsizetype unitIndexOfCodePoint(QStringView text, qsizetype p);
// text without lone surrogates (halves of pairs), which no file name holds.
void removeLoneSurrogates(QString& text);

// The first character as it is, the rest lower-cased.
QString lowerAllButFirst(const QString& text);
void lowerAllButFirstInPlace(QString& text);

// Only the digits 0-9 and the control characters (below U+0020, such as a
// backspace) are kept.
QString keepDigits(const QString& text);

} // namespace tervane
