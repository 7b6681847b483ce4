#pragma once

#include <QString>
#include <QStringList>

namespace tervane {

// The language built into the program.
inline const QString BuiltInLanguage = QStringLiteral("Français");

// The system's language as a Windows primary language number (French 12,
// English 9, German 7...); 0 when it has none.
int getSystemLanguageCode();

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

// The bilingual welcome of a first run without a matching language file.
QString welcomeMessage(const QString& title);

} // namespace tervane
