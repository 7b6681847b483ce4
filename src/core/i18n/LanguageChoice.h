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

// The system's language number; 0 when it has none.
int getSystemLanguageCode();

// The locale of the interface: French for the built-in texts, else the
// language the file declares (the C locale when it declares none).
QLocale interfaceLocale(const LanguageFile& file);

// Base names of the language files (*.lng) next to the program, sorted.
QStringList languageNames(const QString& programFolder);

// The full path of a language's file; empty for the built-in French.
QString languageFilePathFor(const QString& programFolder, const QString& language);

// First run: the language whose file declares the system's code, else French.
struct FirstRunLanguage {
    QString language;
    bool welcome = false; // no file matched: show the welcome message
};
FirstRunLanguage chooseFirstRunLanguage(int systemCode, const QString& programFolder);

// The language a run with this settings file uses: the stored one, else the
// first-run choice; French when its file is gone. Writes nothing.
QString languageForSettings(const QString& settingsFile, const QString& programFolder,
                            int systemCode);

// The bilingual welcome of a first run without a matching language file.
QString welcomeMessage(const QString& title);

} // namespace tervane
