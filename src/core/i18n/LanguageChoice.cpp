#include "i18n/LanguageChoice.h"

#include "i18n/LanguageFile.h"
#include "settings/IniFile.h"
#include "settings/Paths.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsValues.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace tervane {

namespace {

// Windows primary language numbers of the languages Qt knows.
struct LanguageCode {
    QLocale::Language language;
    int code;
};

constexpr LanguageCode LanguageCodes[] = {
    {QLocale::Arabic, 1},     {QLocale::Bulgarian, 2},
    {QLocale::Catalan, 3},    {QLocale::Chinese, 4},
    {QLocale::Czech, 5},      {QLocale::Danish, 6},
    {QLocale::German, 7},     {QLocale::Greek, 8},
    {QLocale::English, 9},    {QLocale::Spanish, 10},
    {QLocale::Finnish, 11},   {QLocale::French, 12},
    {QLocale::Hebrew, 13},    {QLocale::Hungarian, 14},
    {QLocale::Icelandic, 15}, {QLocale::Italian, 16},
    {QLocale::Japanese, 17},  {QLocale::Korean, 18},
    {QLocale::Dutch, 19},     {QLocale::NorwegianBokmal, 20},
    {QLocale::Polish, 21},    {QLocale::Portuguese, 22},
    {QLocale::Romanian, 24},  {QLocale::Russian, 25},
    {QLocale::Croatian, 26},  {QLocale::Slovak, 27},
    {QLocale::Swedish, 29},   {QLocale::Turkish, 31},
};

} // namespace

int languageCodeOf(QLocale::Language language)
{
    for (const LanguageCode& entry : LanguageCodes)
        if (entry.language == language)
            return entry.code;
    return 0;
}

QLocale::Language languageOfCode(int code)
{
    for (const LanguageCode& entry : LanguageCodes)
        if (entry.code == code)
            return entry.language;
    return QLocale::AnyLanguage;
}

int getSystemLanguageCode()
{
    return languageCodeOf(QLocale::system().language());
}

QLocale interfaceLocale(const LanguageFile& file)
{
    if (!file.isLoaded())
        return QLocale(QLocale::French);
    const QLocale::Language language =
        languageOfCode(numericValue(file.value(QStringLiteral("CodeLangue"))));
    return language == QLocale::AnyLanguage ? QLocale::c() : QLocale(language);
}

QString languageFolderFor(const QString& programFolder)
{
    const QString installed =
        QDir::cleanPath(programFolder + QStringLiteral("/../share/tervane/languages"));
    return QFileInfo(installed).isDir() ? installed : programFolder;
}

QStringList languageNames(const QString& languageFolder)
{
    QStringList names =
        QDir(languageFolder).entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name);
    for (QString& name : names)
        name.chop(4);
    return names;
}

QString languageFilePathFor(const QString& languageFolder, const QString& language)
{
    if (language == BuiltInLanguage)
        return {};
    return addBackslash(languageFolder) + language + QStringLiteral(".lng");
}

FirstRunLanguage chooseFirstRunLanguage(int systemCode, const QString& languageFolder)
{
    if (systemCode == 12)
        return {BuiltInLanguage, false};
    for (const QString& name : languageNames(languageFolder)) {
        const QString declared =
            readIniString(languageFilePathFor(languageFolder, name), QStringLiteral("Traduction"),
                          QStringLiteral("CodeLangue"), QStringLiteral("0"));
        if (numericValue(declared) == systemCode)
            return {name, false};
    }
    return {BuiltInLanguage, true};
}

QString languageForSettings(const QString& settingsFile, const QString& languageFolder,
                            int systemCode)
{
    QString language = readIniString(settingsFile, SettingsKey::Section, SettingsKey::Language, {});
    if (language.isEmpty())
        language = chooseFirstRunLanguage(systemCode, languageFolder).language;
    const QString path = languageFilePathFor(languageFolder, language);
    return path.isEmpty() || pathExists(path, 0) ? language : BuiltInLanguage;
}

QString welcomeMessage(const QString& title)
{
    const QString paragraph = QStringLiteral("\r\n\r\n");
    return QStringLiteral("First, thank you for having installed ") + title + u'.' + paragraph +
           QStringLiteral("No translation file corresponding to the language of your system has "
                          "been found. French is selected by default, you can change this setting "
                          "in the configuration window accessible through the 'options' menu.") +
           paragraph +
           QStringLiteral("You can also write the translation and send it to the author of this "
                          "software so that other users can benefit. Thank you in advance!") +
           paragraph + QStringLiteral("-----------------------") + paragraph +
           QStringLiteral("Tout d'abord, merci d'avoir installé ") + title + u'.' + paragraph +
           QStringLiteral("Aucun fichier de traduction correspondant à la langue de votre système "
                          "n'a été trouvé. Le français est sélectionné par défaut, vous pouvez "
                          "modifier ce réglage dans la fenêtre de configuration accessible par le "
                          "menu 'options'.") +
           paragraph +
           QStringLiteral("Vous pouvez aussi créer la traduction manquante et la transmettre à "
                          "l'auteur de ce logiciel pour qu'il l'ajoute au package d'installation. "
                          "D'autres utilisateurs pourront ainsi en bénéficier. Merci d'avance !");
}

} // namespace tervane
