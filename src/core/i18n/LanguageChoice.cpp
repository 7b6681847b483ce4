#include "i18n/LanguageChoice.h"

#include "settings/IniFile.h"
#include "settings/Paths.h"
#include "settings/SettingsValues.h"

#include <QDir>
#include <QLocale>

namespace tervane {

int getSystemLanguageCode()
{
    switch (QLocale::system().language()) {
    case QLocale::Arabic:
        return 1;
    case QLocale::Bulgarian:
        return 2;
    case QLocale::Catalan:
        return 3;
    case QLocale::Chinese:
        return 4;
    case QLocale::Czech:
        return 5;
    case QLocale::Danish:
        return 6;
    case QLocale::German:
        return 7;
    case QLocale::Greek:
        return 8;
    case QLocale::English:
        return 9;
    case QLocale::Spanish:
        return 10;
    case QLocale::Finnish:
        return 11;
    case QLocale::French:
        return 12;
    case QLocale::Hebrew:
        return 13;
    case QLocale::Hungarian:
        return 14;
    case QLocale::Icelandic:
        return 15;
    case QLocale::Italian:
        return 16;
    case QLocale::Japanese:
        return 17;
    case QLocale::Korean:
        return 18;
    case QLocale::Dutch:
        return 19;
    case QLocale::NorwegianBokmal:
        return 20;
    case QLocale::Polish:
        return 21;
    case QLocale::Portuguese:
        return 22;
    case QLocale::Romanian:
        return 24;
    case QLocale::Russian:
        return 25;
    case QLocale::Croatian:
        return 26;
    case QLocale::Slovak:
        return 27;
    case QLocale::Swedish:
        return 29;
    case QLocale::Turkish:
        return 31;
    default:
        return 0;
    }
}

QStringList languageNames(const QString& programFolder)
{
    QStringList names =
        QDir(programFolder).entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name);
    for (QString& name : names)
        name.chop(4);
    return names;
}

QString languageFilePathFor(const QString& programFolder, const QString& language)
{
    if (language == BuiltInLanguage)
        return {};
    return addBackslash(programFolder) + language + QStringLiteral(".lng");
}

FirstRunLanguage chooseFirstRunLanguage(int systemCode, const QString& programFolder)
{
    if (systemCode == 12)
        return {BuiltInLanguage, false};
    for (const QString& name : languageNames(programFolder)) {
        const QString declared =
            readIniString(languageFilePathFor(programFolder, name), QStringLiteral("Traduction"),
                          QStringLiteral("CodeLangue"), QStringLiteral("0"));
        if (numericValue(declared) == systemCode)
            return {name, false};
    }
    return {BuiltInLanguage, true};
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
