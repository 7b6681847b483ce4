// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliTexts.h"

#include "base/AppError.h"
#include "cli/CliOptions.h"
#include "i18n/LanguageChoice.h"
#include "i18n/LanguageFile.h"
#include "i18n/QtTranslations.h"

using namespace Qt::StringLiterals;

namespace tervane::cli {

const std::array<BuiltInText, 65> CliBuiltInTexts{{
    {u"CLI_AIDE", u"Utilisation :§"
                  u"  tervane-cli preview DOSSIER [SOURCE] [OPTIONS]§"
                  u"  tervane-cli rename  DOSSIER [SOURCE] [OPTIONS] [--yes]§"
                  u"  tervane-cli undo    DOSSIER [--settings FICHIER] [--quiet]§"
                  u"§"
                  u"Construit les nouveaux noms des fichiers de DOSSIER comme la fenêtre de§"
                  u"Tervane (liste, traitements de nettoyage, numérotation, extensions), puis§"
                  u"les affiche (preview), les applique sans jamais écraser un fichier (rename)§"
                  u"ou rétablit les noms du dernier renommage fait ici (undo). Après « -- », les§"
                  u"arguments ne sont jamais des options : tervane-cli preview -- -dossier.§"
                  u"§"
                  u"Source des noms (une au plus) :§"
                  u"  --names FICHIER      un nom par ligne d'un fichier texte (\"-\" : l'entrée§"
                  u"                       standard, par défaut)§"
                  u"  --file-names         les noms actuels des fichiers§"
                  u"  --template TEXTE     un modèle où [NUM] est le numéro d'ordre ; [TITRE],§"
                  u"                       [ARTISTE], [ALBUM], [ANNEE] et [PISTE] viennent des§"
                  u"                       étiquettes de chaque fichier ; [DATE], [HEURE] et§"
                  u"                       [APPAREIL] de chaque photo (2026-12-07, 14.33.12,§"
                  u"                       Canon EOS R6)§"
                  u"  --tags               les titres lus dans les fichiers (--template [TITRE])§"
                  u"  --width N            le remplissage du numéro (0, 2 à 9 ; par défaut le§"
                  u"                       nombre de chiffres du nombre de fichiers, au moins 2)§"
                  u"  --episode x|se       le nom du dossier comme série et saison : noms 01x01§"
                  u"                       ou S01E01§"
                  u"§"
                  u"Options :§"
                  u"  --settings FICHIER   le fichier de réglages à lire (par défaut celui du§"
                  u"                       programme)§"
                  u"  --pattern MOTIFS     les fichiers à lister, comme \"*.mp3;*.wma\" (par§"
                  u"                       défaut : ceux des réglages)§"
                  u"  --numeric            lister les fichiers dans l'ordre numérique§"
                  u"  --sort taken         lister les photos dans l'ordre de la prise de vue, de§"
                  u"                       la plus ancienne à la plus récente (les photos sans§"
                  u"                       date à la fin) ; --sort name ou numeric : par nom§"
                  u"  --date-fallback mtime  donner aux photos sans date de prise de vue celle§"
                  u"                       de leur dernière modification (none : aucune)§"
                  u"  --replace DE PAR     remplacer dans les noms chaque DE, sans tenir compte§"
                  u"                       de la casse, par PAR (à la place du remplacement§"
                  u"                       des réglages)§"
                  u"  --regex              DE est une expression régulière ; PAR peut reprendre§"
                  u"                       ses groupes par \\1 à \\9§"
                  u"  --yes                renommer même quand des nouveaux noms sont déjà pris§"
                  u"                       dans le dossier par des fichiers (jamais par des§"
                  u"                       dossiers)§"
                  u"  --forget-interrupted renommer même quand le dernier renommage du dossier a§"
                  u"                       été interrompu (il ne pourra plus être annulé)§"
                  u"  --in-order           renommer ligne à ligne ; sans cette option, les noms§"
                  u"                       qui s'enchaînent (a en b, b en c) ou s'échangent (a en§"
                  u"                       b, b en a) sont renommés dans le bon ordre : deux§"
                  u"                       fichiers échangent leurs noms d'un coup là où le§"
                  u"                       système de fichiers le permet, sinon par un nom§"
                  u"                       temporaire tervane-...tmp§"
                  u"  -z, -0, --null       lire les noms chacun suivi d'un NUL, comme les écrit§"
                  u"                       find -print0 (une liste sans aucun NUL est lue par§"
                  u"                       lignes), et les lister bruts, chacun suivi d'un NUL§"
                  u"                       (nom actuel, nouveau nom)§"
                  u"  -n, --dry-run        (rename) afficher ce qui serait renommé, comme§"
                  u"                       preview, sans rien renommer§"
                  u"  -v, --verbose        dire chaque renommage quand il est fait :§"
                  u"                       ancien -> nouveau (ancien <-> nouveau pour un échange)§"
                  u"  -q, --quiet          (rename, undo) n'afficher que les erreurs§"
                  u"  -h, --help           cette aide§"
                  u"  -V, --version        la version du programme§"
                  u"§"
                  u"Les noms sont listés une ligne par fichier, le nom actuel et le nouveau nom§"
                  u"séparés par une tabulation, suivis de « (enchaîné) » quand la ligne fait§"
                  u"partie d'un enchaînement ou d'un échange, de « (pris) » quand le nouveau§"
                  u"nom est déjà pris dans le dossier, et de « (sans date) » quand la date de§"
                  u"prise de vue sert et que la photo n'en a pas. Les caractères qui§"
                  u"casseraient une ligne ou atteindraient le terminal sont écrits en clair :§"
                  u"\\t, \\n, \\r, \\\\ pour une barre oblique inverse, \\xHH pour tout autre§"
                  u"caractère de contrôle.§"
                  u"§"
                  u"Codes de sortie :§"
                  u"  0  terminé (preview aussi quand des nouveaux noms sont pris : rename les§"
                  u"     refuse)§"
                  u"  1  une étape du renommage a échoué (les étapes précédentes sont annulées),§"
                  u"     le journal n'a pas pu suivre (la commande s'est arrêtée là), une§"
                  u"     annulation a laissé des fichiers qu'elle n'a pas pu rétablir (le§"
                  u"     journal les garde pour une autre annulation) ou la sortie n'a pas pu§"
                  u"     être écrite (le travail, lui, est fait)§"
                  u"  2  erreur d'utilisation ou entrée incorrecte (un journal abîmé ou§"
                  u"     illisible est gardé tel quel ; un journal impossible à écrire, des§"
                  u"     réglages illisibles)§"
                  u"  3  refusé, rien n'est renommé : un autre renommage ou une annulation est§"
                  u"     en cours dans le dossier, listes qui ne vont pas par paires, noms vides§"
                  u"     ou donnés deux fois (preview aussi), noms déjà pris sans --yes ou par§"
                  u"     des dossiers, dernier renommage interrompu sans --forget-interrupted...§"
                  u"Un lecteur qui s'en va (| head) termine la commande sans un mot, par§"
                  u"SIGPIPE, une fois son travail fait.§"
                  u"§"
                  u"Les renommages de chaque dossier, faits ici ou dans la fenêtre, sont gardés§"
                  u"dans des journaux, dans§"
                  u"  %v§"
                  u"pour qu'undo fonctionne lors d'une exécution ultérieure, même après une§"
                  u"interruption, et que la fenêtre puisse les annuler."},
    {u"CLI_DOSSIER_INTROUVABLE", u"dossier introuvable : %v"},
    {u"CLI_REGLAGES_INTROUVABLES", u"fichier de réglages introuvable : %v"},
    {u"CLI_REGLAGES_ILLISIBLES", u"le fichier de réglages %v ne peut pas être lu : %v"},
    {u"CLI_COMMANDE_ET_DOSSIER", u"une commande et un dossier sont attendus ; voir --help"},
    {u"CLI_COMMANDE_INCONNUE", u"commande inconnue « %v » ; voir --help"},
    {u"CLI_UNE_SEULE_SOURCE", u"une seule source de noms au plus"},
    {u"CLI_UNDO_SANS_OPTION",
     u"undo ne prend ni source ni option, sauf --settings, --quiet et --to"},
    {u"CLI_NULL_AVEC", u"--null va avec preview, rename et history"},
    {u"CLI_WIDTH_AVEC", u"--width va avec --template, --tags ou --episode"},
    {u"CLI_YES_AVEC", u"--yes va avec rename"},
    {u"CLI_FORGET_INTERRUPTED_AVEC", u"--forget-interrupted va avec rename"},
    {u"CLI_RENOMMAGE_INTERROMPU",
     u"le dernier renommage de %v a été interrompu : « tervane-cli undo » rend d'abord leurs "
     u"noms aux fichiers (--forget-interrupted renomme malgré tout, et ce renommage ne pourra "
     u"plus être annulé)"},
    {u"CLI_EPISODE_FORMAT", u"--episode prend x ou se"},
    {u"CLI_WIDTH_VALEURS", u"--width prend 0 ou 2 à 9"},
    {u"CLI_PAS_UNE_SERIE",
     u"le nom du dossier n'est pas celui d'une série et d'une saison, comme « Ma série S02 »"},
    {u"CLI_LISTES_NON_APPARIEES",
     u"les deux listes doivent aller par paires (fichiers : %v, noms : %v)"},
    {u"CLI_NOMS_VIDES_OU_DOUBLES",
     u"un nouveau nom est vide ou donné deux fois (sans tenir compte de la casse) : %v"},
    {u"CLI_LIGNE", u"ligne %v « %v »"},
    {u"CLI_NOMS_IMPOSSIBLES",
     u"un nouveau nom ne peut être celui d'aucun fichier (« . », « .. » ou plus de 255 octets) : "
     u"%v"},
    {u"CLI_JOURNAL_NON_MIS_A_JOUR",
     u"le journal %v n'a pas pu être mis à jour : la commande s'est arrêtée là, et une "
     u"annulation ultérieure reprendra à partir de ce qu'il contient"},
    {u"CLI_YES_MALGRE_TOUT", u"(--yes renomme malgré tout)"},
    {u"CLI_JOURNAL_NON_ECRIT", u"le journal ne peut pas être écrit dans %v ; rien n'a été renommé"},
    {u"CLI_FICHIER_RENOMME", u"%v fichier renommé."},
    {u"CLI_FICHIERS_RENOMMES", u"%v fichiers renommés."},
    {u"CLI_RIEN_A_ANNULER", u"aucun renommage à annuler dans %v"},
    {u"CLI_JOURNAL_ILLISIBLE", u"le journal %v ne peut pas être lu (%v) : rien n'a été renommé"},
    {u"CLI_JOURNAL_ABIME",
     u"le journal %v est abîmé ou tronqué : rien n'a été renommé, et le journal est gardé tel "
     u"quel pour examen"},
    {u"CLI_JOURNAL_NON_MIS_A_JOUR_FIN",
     u"la commande est allée jusqu'au bout, mais le journal %v n'a pas pu l'enregistrer : une "
     u"annulation ultérieure se fondera sur ce qu'il contient et sur le dossier"},
    {u"CLI_JOURNAL_AUTRE_DOSSIER",
     u"%v n'est plus le dossier dont le journal a noté le renommage (il a été déplacé ou "
     u"remplacé depuis) : rien n'a été renommé, et le journal est gardé"},
    {u"CLI_FICHIER_NON_RETABLI",
     u"%v fichier garde son nouveau nom ; le journal le garde pour une autre annulation"},
    {u"CLI_FICHIERS_NON_RETABLIS",
     u"%v fichiers gardent leur nouveau nom ; le journal les garde pour une autre annulation"},
    {u"CLI_RENOMMAGE_ANNULE", u"Renommage annulé."},
    {u"CLI_MARQUE_CHAINE", u"(enchaîné)"},
    {u"CLI_MARQUE_PRIS", u"(pris)"},
    {u"CLI_MARQUE_SANS_DATE", u"(sans date)"},
    {u"CLI_SORT_VALEURS", u"--sort prend name, numeric ou taken"},
    {u"CLI_DATE_FALLBACK_VALEURS", u"--date-fallback prend none ou mtime"},
    {u"CLI_NOM_PRIS", u"%v nouveau nom est déjà pris dans le dossier : %v"},
    {u"CLI_NOMS_PRIS", u"%v nouveaux noms sont déjà pris dans le dossier : %v"},
    {u"CLI_AUCUN_FICHIER", u"aucun fichier de %v ne correspond à « %v » ; voir --pattern"},
    {u"CLI_SORTIE_NON_ECRITE", u"la sortie ne peut pas être écrite : %v"},
    {u"CLI_REPLACE_VALEURS", u"--replace prend deux valeurs : le texte cherché et son remplaçant"},
    {u"CLI_EXPRESSION_INVALIDE", u"l'expression régulière « %v » n'est pas valide : %v"},
    {u"CLI_ETIQUETTES_ABANDONNEES",
     u"étiquettes de %v abandonnées : ni son ni étiquette trouvés assez tôt (fichier vide ou "
     u"inachevé ?) ; ses champs restent vides"},
    {u"CLI_OPTION_INCONNUE", u"option inconnue : %v ; voir --help"},
    {u"CLI_VALEUR_MANQUANTE", u"%v attend une valeur"},
    {u"CLI_QUIET_AVEC", u"--quiet va avec rename, undo et redo, sans --verbose"},
    {u"CLI_NOM_DE_DOSSIER",
     u"%v nouveau nom est celui d'un dossier, qu'un renommage ne remplace jamais : %v"},
    {u"CLI_NOMS_DE_DOSSIERS",
     u"%v nouveaux noms sont ceux de dossiers, qu'un renommage ne remplace jamais : %v"},
    {u"CLI_AIDE_HISTORIQUE",
     u"Historique : les derniers renommages de chaque dossier (20 par défaut, clé§"
     u"HistoriqueRenommages de la section [Config] des réglages), numérotés du§"
     u"dernier (1) au plus ancien.§"
     u"  tervane-cli history DOSSIER [-v] [-z]§"
     u"  tervane-cli undo    DOSSIER --to N§"
     u"  tervane-cli redo    DOSSIER [--quiet] [--verbose]§"
     u"§"
     u"  history              lister les renommages qu'undo peut annuler, un par§"
     u"                       ligne : numéro, date, interface, nombre de fichiers et§"
     u"                       premiers noms (ancien -> nouveau) ; -v ajoute chaque§"
     u"                       étape ; -z les écrit bruts, chaque champ suivi d'un§"
     u"                       NUL : numéro, état (done, interrupted ou damaged),§"
     u"                       date (UTC), interface (window, command-line ou vide),§"
     u"                       nombre de fichiers, nombre d'étapes, puis l'ancien et§"
     u"                       le nouveau nom de chaque étape§"
     u"  --to N               (undo) annuler un à un les renommages 1 à N, du§"
     u"                       dernier au plus ancien ; une annulation interrompue§"
     u"                       reprend à la suivante, jusqu'au renommage N§"
     u"  redo                 refaire ce que la dernière annulation a défait, tant§"
     u"                       qu'aucun renommage n'a été fait depuis et que chaque§"
     u"                       fichier est encore où elle l'a laissé ; encore, pour§"
     u"                       l'annulation d'avant (--to : le plus ancien d'abord)§"
     u"Chaque annulation vérifie l'identité de chaque fichier : un fichier déplacé§"
     u"ou remplacé depuis est laissé tel quel, et signalé. Un journal abîmé arrête§"
     u"l'annulation à lui, et il est gardé. Au-delà de 64 Mio de journaux gardés§"
     u"pour un dossier, les plus anciens renommages sont oubliés."},
    {u"CLI_HISTORIQUE_SANS_OPTION", u"%v ne prend ni source ni option de renommage ; voir --help"},
    {u"CLI_TO_AVEC", u"--to va avec undo"},
    {u"CLI_TO_VALEURS", u"--to prend un numéro de l'historique : 1 (le dernier renommage) ou plus"},
    {u"CLI_HISTORIQUE_TROP_COURT", u"l'historique de %v ne va pas jusqu'au renommage %v : rien n'a "
                                   u"été renommé ; voir « tervane-cli history »"},
    {u"CLI_RENOMMAGES_ANNULES", u"%v renommages annulés."},
    {u"CLI_RIEN_A_RETABLIR",
     u"aucune annulation à reprendre dans %v (un renommage fait depuis l'empêche)"},
    {u"CLI_RETABLIR_FICHIERS_CHANGES",
     u"des fichiers de %v ne sont plus là où l'annulation les a laissés (déplacés, remplacés ou "
     u"renommés) : rien n'a été renommé"},
    {u"CLI_RENOMMAGE_RETABLI", u"Renommage rétabli."},
    {u"CLI_HISTORIQUE_FENETRE", u"fenêtre"},
    {u"CLI_HISTORIQUE_LIGNE_DE_COMMANDE", u"ligne de commande"},
    {u"CLI_HISTORIQUE_FICHIER", u"%v fichier"},
    {u"CLI_HISTORIQUE_FICHIERS", u"%v fichiers"},
    {u"CLI_HISTORIQUE_INTERROMPU", u"(interrompu)"},
    {u"CLI_HISTORIQUE_ABIME", u"journal abîmé : aucune annulation ne va au-delà"},
}};

QString settingsFileOf(const QStringList& arguments, const SpecialFolders& folders)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if ((argument == u"--settings" || argument == u"-settings") && i + 1 < arguments.size())
            return arguments[i + 1];
        if (argument.startsWith(u"--settings="))
            return argument.mid(11);
    }
    return defaultSettingsFile(folders);
}

TranslationCatalogue cliCatalogue(const QString& settingsFile)
{
    const QString languages = languageFolderFor(programFolder());
    const QString language = languageForSettings(settingsFile, languages, getSystemLanguageCode());
    const QString path = languageFilePathFor(languages, language);
    LanguageFile file;
    if (!path.isEmpty()) {
        try {
            file = LanguageFile::load(path);
        } catch (const AppError&) {
            // An unreadable language file leaves the built-in French.
        }
    }
    installQtTranslations(interfaceLocale(file));
    TranslationCatalogue catalogue = buildTranslationCatalogue(file);
    for (const BuiltInText& text : CliBuiltInTexts)
        addTranslation(catalogue, file, QString::fromUtf16(text.key),
                       QString::fromUtf16(text.french));
    return catalogue;
}

QString cliText(const TranslationCatalogue& texts, const QString& key, const QStringList& values)
{
    return insertValues(texts.item(key), values).replace(u"\r\n"_s, u"\n"_s);
}

QString countText(const TranslationCatalogue& texts, qsizetype count, const QString& singularKey,
                  const QString& pluralKey, const QStringList& values)
{
    return cliText(texts, texts.takesSingular(count) ? singularKey : pluralKey,
                   QStringList{QString::number(count)} + values);
}

} // namespace tervane::cli
