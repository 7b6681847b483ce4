// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tervane {

// How the program compares file names without regard to letter case or to
// the Unicode form they were typed in: two names are the same name when their
// keys are equal. The key is the composed form (NFC), case folded code point
// by code point. Every comparison of names goes through here: doubled names,
// names taken on disk, pattern matching.

// One code point, case folded as names are. Inline: it runs for every
// character of every name at every keystroke in an option box.
inline char32_t foldedCodePoint(char32_t c)
{
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
    return QChar::toCaseFolded(c);
}

// Whether a text may need composing: combining marks start at U+0300, and
// below it text is already composed.
bool mayNeedComposing(QStringView text);

// The comparison key of a name.
QString nameKey(const QString& name);

// A hash of NameKey(name), made without building the key for names that
// need no composing (the common case): equal keys give equal hashes.
size_t nameKeyHash(const QString& name);

} // namespace tervane
