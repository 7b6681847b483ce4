// SPDX-License-Identifier: GPL-3.0-or-later
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

// The primary language numbers of the platform the language files come from,
// for every language Qt knows that has one. Where several languages share a
// number (Norwegian, the Serbo-Croatian languages, Sorbian, Sami), the first
// is the one the number stands for.
struct LanguageCode {
    QLocale::Language language;
    int code;
};

// clang-format off
constexpr LanguageCode LanguageCodes[] = {
    {QLocale::Arabic, 1}, {QLocale::Bulgarian, 2}, {QLocale::Catalan, 3}, {QLocale::Chinese, 4},
    {QLocale::Czech, 5}, {QLocale::Danish, 6}, {QLocale::German, 7}, {QLocale::Greek, 8},
    {QLocale::English, 9}, {QLocale::Spanish, 10}, {QLocale::Finnish, 11}, {QLocale::French, 12},
    {QLocale::Hebrew, 13}, {QLocale::Hungarian, 14}, {QLocale::Icelandic, 15},
    {QLocale::Italian, 16}, {QLocale::Japanese, 17}, {QLocale::Korean, 18}, {QLocale::Dutch, 19},
    {QLocale::NorwegianBokmal, 20}, {QLocale::NorwegianNynorsk, 20}, {QLocale::Polish, 21},
    {QLocale::Portuguese, 22}, {QLocale::Romansh, 23}, {QLocale::Romanian, 24},
    {QLocale::Russian, 25}, {QLocale::Croatian, 26}, {QLocale::Serbian, 26}, {QLocale::Bosnian, 26},
    {QLocale::Slovak, 27}, {QLocale::Albanian, 28}, {QLocale::Swedish, 29}, {QLocale::Thai, 30},
    {QLocale::Turkish, 31}, {QLocale::Urdu, 32}, {QLocale::Indonesian, 33},
    {QLocale::Ukrainian, 34}, {QLocale::Belarusian, 35}, {QLocale::Slovenian, 36},
    {QLocale::Estonian, 37}, {QLocale::Latvian, 38}, {QLocale::Lithuanian, 39},
    {QLocale::Tajik, 40}, {QLocale::Persian, 41}, {QLocale::Vietnamese, 42},
    {QLocale::Armenian, 43}, {QLocale::Azerbaijani, 44}, {QLocale::Basque, 45},
    {QLocale::UpperSorbian, 46}, {QLocale::LowerSorbian, 46}, {QLocale::Macedonian, 47},
    {QLocale::SouthernSotho, 48}, {QLocale::Tsonga, 49}, {QLocale::Tswana, 50},
    {QLocale::Venda, 51}, {QLocale::Xhosa, 52}, {QLocale::Zulu, 53}, {QLocale::Afrikaans, 54},
    {QLocale::Georgian, 55}, {QLocale::Faroese, 56}, {QLocale::Hindi, 57}, {QLocale::Maltese, 58},
    {QLocale::NorthernSami, 59}, {QLocale::LuleSami, 59}, {QLocale::SouthernSami, 59},
    {QLocale::InariSami, 59}, {QLocale::SkoltSami, 59}, {QLocale::Irish, 60},
    {QLocale::Yiddish, 61}, {QLocale::Malay, 62}, {QLocale::Kazakh, 63}, {QLocale::Kyrgyz, 64},
    {QLocale::Swahili, 65}, {QLocale::Turkmen, 66}, {QLocale::Uzbek, 67}, {QLocale::Tatar, 68},
    {QLocale::Bangla, 69}, {QLocale::Punjabi, 70}, {QLocale::Gujarati, 71}, {QLocale::Odia, 72},
    {QLocale::Tamil, 73}, {QLocale::Telugu, 74}, {QLocale::Kannada, 75}, {QLocale::Malayalam, 76},
    {QLocale::Assamese, 77}, {QLocale::Marathi, 78}, {QLocale::Sanskrit, 79},
    {QLocale::Mongolian, 80}, {QLocale::Tibetan, 81}, {QLocale::Welsh, 82}, {QLocale::Khmer, 83},
    {QLocale::Lao, 84}, {QLocale::Burmese, 85}, {QLocale::Galician, 86}, {QLocale::Konkani, 87},
    {QLocale::Manipuri, 88}, {QLocale::Sindhi, 89}, {QLocale::Syriac, 90}, {QLocale::Sinhala, 91},
    {QLocale::Cherokee, 92}, {QLocale::Inuktitut, 93}, {QLocale::Amharic, 94},
    {QLocale::CentralAtlasTamazight, 95}, {QLocale::Kashmiri, 96}, {QLocale::Nepali, 97},
    {QLocale::WesternFrisian, 98}, {QLocale::Pashto, 99}, {QLocale::Filipino, 100},
    {QLocale::Divehi, 101}, {QLocale::Fulah, 103}, {QLocale::Hausa, 104}, {QLocale::Yoruba, 106},
    {QLocale::Quechua, 107}, {QLocale::NorthernSotho, 108}, {QLocale::Bashkir, 109},
    {QLocale::Luxembourgish, 110}, {QLocale::Kalaallisut, 111}, {QLocale::Igbo, 112},
    {QLocale::Kanuri, 113}, {QLocale::Oromo, 114}, {QLocale::Tigrinya, 115},
    {QLocale::Guarani, 116}, {QLocale::Hawaiian, 117}, {QLocale::Latin, 118},
    {QLocale::Somali, 119}, {QLocale::SichuanYi, 120}, {QLocale::Papiamento, 121},
    {QLocale::Mapuche, 122}, {QLocale::Mohawk, 124}, {QLocale::Breton, 126}, {QLocale::Uyghur, 128},
    {QLocale::Maori, 129}, {QLocale::Occitan, 130}, {QLocale::Corsican, 131},
    {QLocale::SwissGerman, 132}, {QLocale::Sakha, 133}, {QLocale::Kiche, 134},
    {QLocale::Kinyarwanda, 135}, {QLocale::Wolof, 136}, {QLocale::Gaelic, 145},
    {QLocale::CentralKurdish, 146},
};
// clang-format on

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
    // The C and POSIX locales mean no translation: English.
    const QLocale::Language language = QLocale::system().language();
    return language == QLocale::C ? EnglishCode : languageCodeOf(language);
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
    if (systemCode == FrenchCode)
        return {BuiltInLanguage, false};
    // A language without a number matches no file, not even one that
    // declares none.
    if (systemCode == 0)
        return {BuiltInLanguage, true};
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
