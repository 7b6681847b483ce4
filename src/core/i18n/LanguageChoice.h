// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace tervane {

// The language built into the program.
inline const QString BuiltInLanguage = QStringLiteral("Français");

class LanguageFile;

// Languages are numbered as Windows numbers them (French 12, English 9,
// German 7, Spanish 10, Italian 16...), in the settings and language files.
int languageCodeOf(QLocale::Language language); // 0 for a language without a number
QLocale::Language languageOfCode(int code);     // AnyLanguage for an unknown number

inline constexpr int EnglishCode = 9;
inline constexpr int FrenchCode = 12;

// The system's language number; 0 when it has none. The C and POSIX locales
// count as English.
int getSystemLanguageCode();

// The locale of the interface: French for the built-in texts, else the
// language the file declares (the C locale when it declares none).
QLocale interfaceLocale(const LanguageFile& file);

// Where the language files are: beside the program, or, once it is installed
// (the program in bin/ under a prefix), in share/tervane/languages of that
// prefix. Found by the layout, so that an installed tree may move.
QString languageFolderFor(const QString& programFolder);

// Base names of the language files (*.lng) in their folder, sorted.
QStringList languageNames(const QString& languageFolder);

// The full path of a language's file; empty for the built-in French.
QString languageFilePathFor(const QString& languageFolder, const QString& language);

// First run: the language whose file declares the system's code, else French.
struct FirstRunLanguage {
    QString language;
    bool welcome = false; // no file matched: show the welcome message
};
FirstRunLanguage chooseFirstRunLanguage(int systemCode, const QString& languageFolder);

// The language a run with this settings file uses: the stored one, else the
// first-run choice; French when its file is gone. Writes nothing.
QString languageForSettings(const QString& settingsFile, const QString& languageFolder,
                            int systemCode);

// The bilingual welcome of a first run without a matching language file.
QString welcomeMessage(const QString& title);

} // namespace tervane
