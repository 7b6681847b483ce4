// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <optional>

namespace tervane {

// INI access with the semantics of the Windows profile functions, which stored
// settings and language files rely on: section and key names match without
// regard to case; a value is the text after the first "=", trimmed of spaces
// and tabs and of one pair of surrounding quotes; ";" starts a comment line;
// a value longer than the 32000-character buffer is cut to 31999 characters.
// Files are read as UTF-8 when valid, else Windows-1252, and written as UTF-8.

inline constexpr int IniBufferSize = 32000;

QString readIniString(const QString& file, const QString& section, const QString& key,
                      const QString& defaultValue);

// Replaces the value in place, or appends the key at the end of its section
// (the section at the end of the file), creating the file when missing.
// No value (std::nullopt), unlike an empty one, deletes the key. Line breaks
// inside a value are dropped. The file is replaced atomically. Write failures
// are not reported.
void writeIniString(const QString& file, const QString& section, const QString& key,
                    const std::optional<QString>& value);

// Every key of the first section of that name in text already in memory, as
// ReadIniString would find it: keys are case-folded, the first value wins.
QHash<QString, QString> readIniSection(const QString& text, const QString& section);

// The same lookup over text already in memory.
std::optional<QString> lookupIniValue(const QString& text, const QString& section,
                                      const QString& key);

} // namespace tervane
