// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The catalogue's keys with their built-in French texts, in catalogue order.
// "§" is a line break, "%v" a value put in by InsertValues.
struct BuiltInText {
    const char16_t* key;
    const char16_t* french;
};

inline constexpr std::array<BuiltInText, 117> BuiltInTexts{{
    {u"TraductionIncomplète", u""},
    {u"TXT_REGLAGES", u"R&églages"},
    {u"TXT_PISTE_NUMERO", u"Piste n°[NUM]"},
    {u"TXT_POPUP_NOMS_AJOUTER", u"&Ajouter..."},
    {u"TXT_POPUP_NOMS_INSERER", u"&Insérer..."},
    {u"TXT_POPUP_NOMS_MODIFIER", u"&Modifier..."},
    {u"TXT_POPUP_NOMS_SUPPRIMER", u"&Supprimer"},
    {u"TXT_POPUP_COLLER_DEPUIS_PRESSE_PAPIERS", u"Coller depuis &presse-papiers"},
    {u"TXT_POPUP_COLLER_DEPUIS_FICHIER", u"Coller depuis un &fichier..."},
    {u"TXT_POPUP_COLLER_NOMS_FICHIERS", u"Coller les &noms actuels des fichiers"},
    {u"TXT_POPUP_COLLER_CHAINE", u"Coller une &chaîne de caractères..."},
    {u"TXT_POPUP_COLLER_TITRES_FICHIERS", u"Coller les &titres lus dans les fichiers"},
    {u"TXT_POPUP_COLLER_NOM_DOSSIER_01x01",
     u"Coller le nom du dossier, format 01&x01 (option dédiée au renommage des épisodes d'un "
     u"dossier contenant une série)..."},
    {u"TXT_POPUP_COLLER_NOM_DOSSIER_S01E01",
     u"Coller le nom du dossier, format &S01E01 (option dédiée au renommage des épisodes d'un "
     u"dossier contenant une série)..."},
    {u"TXT_FICHIERS_TXT", u"Fichiers texte"},
    {u"TXT_TOUS_FICHIERS", u"Tous les fichiers"},
    {u"TXT_VEUILLEZ_SELECTIONNER_FICHIER", u"Sélection du fichier à importer"},
    {u"TXT_VEUILLEZ_SELECTIONNER_DOSSIER",
     u"Veuillez sélectionner le répertoire dans lequel se trouvent les fichiers à renommer..."},
    {u"TXT_VEUILLEZ_SAISIR_NOM", u"Veuillez saisir le nom du fichier n°%v..."},
    {u"TXT_VEUILLEZ_SAISIR_NOM_REINIT",
     u"Veuillez saisir la chaîne de caractères à coller. Vous pouvez y intégrer la chaîne '[NUM]' "
     u"si vous souhaitez ajouter le n° d'ordre du fichier."},
    {u"TXT_REMPLISSAGE0", u"aucun (1 - 999999999)"},
    {u"TXT_REMPLISSAGE2", u"sur 2 caractères (01-99)"},
    {u"TXT_REMPLISSAGE3", u"sur 3 caractères (001-999)"},
    {u"TXT_REMPLISSAGE4", u"sur 4 caractères (0001-9999)"},
    {u"TXT_REMPLISSAGE5", u"sur 5 caractères (00001-99999)"},
    {u"TXT_REMPLISSAGE6", u"sur 6 caractères (000001-999999)"},
    {u"TXT_REMPLISSAGE7", u"sur 7 caractères (0000001-9999999)"},
    {u"TXT_REMPLISSAGE8", u"sur 8 caractères (00000001-99999999)"},
    {u"TXT_REMPLISSAGE9", u"sur 9 caractères (000000001-999999999)"},
    {u"MSG_ERREUR_VALEUR_REMPLISSAGE",
     u"Cette valeur de remplissage n'est pas adaptée au nombre de fichiers à traiter..."},
    {u"MSG_CONFLIT_DETECTE",
     u"L'analyse préliminaire fait état d'un conflit : un des nouveaux noms correspond à un "
     u"fichier déjà présent dans le dossier."},
    {u"MSG_CONFLITS_DETECTES",
     u"L'analyse préliminaire fait état de plusieurs conflits : %v nouveaux noms correspondent à "
     u"des fichiers déjà présents dans le dossier."},
    {u"MSG_OUTREPASSER_CONFLITS", u"Souhaitez-vous malgré tout tenter l'opération de renommage ?"},
    {u"MSG_ERREUR_VALEUR_INCORRECTE_SUPPRESSION",
     u"Valeur incorrecte : ce champ doit contenir un chiffre supérieur à 0..."},
    {u"MSG_ERREUR_LISTE_FICHIERS_VIDE",
     u"Cette opération n'est possible que lorsque la liste des fichiers contient des éléments. "
     u"Sélectionnez un autre dossier ou modifiez la liste des extensions affichées..."},
    {u"MSG_ERREUR_PRESSE-PAPIERS_VIDE",
     u"Le presse-papiers ne contient aucune information utilisable..."},
    {u"MSG_ERREUR_CONTENU_PRESSE-PAPIERS",
     u"Une erreur est survenue lors du traitement du contenu du presse-papiers... Assurez-vous "
     u"que celui-ci est correct."},
    {u"MSG_ERREUR_CONTENU_FICHIER",
     u"Une erreur est survenue lors du traitement du fichier... Assurez-vous que celui-ci est "
     u"correct."},
    {u"MSG_ERREUR_RENOMMAGE",
     u"Une erreur (%v) est survenue lors du renommage du fichier '%v' en '%v' :§§%v"},
    {u"MSG_ERREUR_RENOMMAGE_FICHIERS_TRAITES",
     u"Les fichiers précédents ont toutefois été correctement traités. Souhaitez-vous annuler "
     u"leur renommage ?"},
    {u"MSG_ERREUR_ANNULATION_RENOMMAGE",
     u"Une erreur (%v) est survenue lors de l'annulation du renommage du fichier '%v' :§§%v"},
    {u"MSG_ERREUR_ANNULATION_AUTRE", u"Un autre fichier n'a pas pu retrouver son ancien nom :"},
    {u"MSG_ERREUR_ANNULATION_AUTRES",
     u"%v autres fichiers n'ont pas pu retrouver leur ancien nom :"},
    {u"MSG_ANNULATION_A_REPRENDRE",
     u"Les fichiers non rétablis gardent leur nouveau nom ; une nouvelle annulation pourra les "
     u"rétablir."},
    {u"MSG_RENOMMAGE_EN_COURS",
     u"Un autre renommage est en cours dans le dossier '%v' : un autre processus le tient "
     u"verrouillé. Attendez qu'il soit terminé, puis recommencez."},
    {u"MSG_VERROUILLAGE_IMPOSSIBLE",
     u"Le dossier '%v' n'a pas pu être verrouillé pour le renommage (erreur %v : %v). Rien n'a "
     u"été modifié."},
    {u"MSG_REPRISE_RENOMMAGE_INTERROMPU",
     u"Un renommage ou une annulation a été interrompu dans le dossier '%v' : des fichiers "
     u"n'ont peut-être plus leur nom d'origine.§§Souhaitez-vous leur rendre leur nom d'origine "
     u"maintenant ? Sinon, le bouton Annuler le proposera plus tard."},
    {u"MSG_JOURNAL_NON_ECRIT",
     u"Le journal d'annulation ne peut pas être écrit dans '%v' : rien n'a été renommé."},
    {u"MSG_JOURNAL_NON_MIS_A_JOUR",
     u"Le journal d'annulation '%v' n'a pas pu être mis à jour : l'opération s'est arrêtée là, "
     u"et une annulation ultérieure reprendra à partir de ce qu'il contient."},
    {u"MSG_JOURNAL_ILLISIBLE",
     u"Le journal d'annulation '%v' ne peut pas être lu (%v) : le dernier renommage de ce "
     u"dossier ne peut pas être annulé."},
    {u"MSG_JOURNAL_ABIME",
     u"Le journal d'annulation '%v' est abîmé ou tronqué : le dernier renommage de ce dossier "
     u"ne peut pas être annulé, et le journal est gardé tel quel pour examen."},
    {u"MSG_JOURNAL_AUTRE_DOSSIER",
     u"Le dossier '%v' n'est plus celui dont le journal d'annulation a noté le renommage : il a "
     u"été déplacé ou remplacé depuis. Son dernier renommage ne peut pas être annulé ici, et le "
     u"journal est gardé."},
    {u"MSG_JOURNAL_NON_MIS_A_JOUR_FIN",
     u"L'opération est allée jusqu'au bout, mais le journal d'annulation '%v' n'a pas pu "
     u"l'enregistrer : une annulation ultérieure se fondera sur ce qu'il contient et sur le "
     u"dossier."},
    {u"TXT_RENOMMAGE_EN_COURS", u"Renommage des fichiers…"},
    {u"TXT_ANNULATION_EN_COURS", u"Annulation du renommage…"},
    {u"TXT_FICHIER_PLUS_LA",
     u"ce n'est plus le fichier renommé : il a été déplacé, supprimé ou remplacé depuis, et il "
     u"est laissé tel quel."},
    {u"TXT_NOMS_POUR_AUTRES_FICHIERS",
     u"Ces noms ont été faits pour une autre liste de fichiers : collez-les de nouveau ou "
     u"modifiez-les."},
    {u"MSG_DOSSIER_MODIFIE",
     u"Les fichiers du dossier ont changé depuis leur affichage : aucun fichier n'a été renommé."
     u"§§La liste des fichiers a été relue ; vérifiez les noms avant de renommer."},
    {u"MSG_PLUS_RIEN_A_ANNULER",
     u"Il n'y a plus de renommage à annuler dans ce dossier : un autre programme l'a déjà "
     u"annulé, ou son journal a disparu. Aucun fichier n'a été renommé.§§La liste des fichiers "
     u"a été relue."},
    {u"TXT_NOM_NON_UTF8", u"nom de fichier non UTF-8"},
    {u"TXT_PRISE_DE_VUE", u"Prise de vue : %v"},
    {u"TXT_SANS_DATE_PRISE_DE_VUE", u"Pas de date de prise de vue"},
    {u"TXT_TRI_DATE_PRISE_DE_VUE", u"Lister les photos dans l'ordre de la prise de vue"},
    {u"TXT_NOM_PRIS_PAR", u"Ce nom est déjà pris dans le dossier par '%v'."},
    {u"TXT_UN_NOM_PRIS", u"Un nouveau nom est déjà pris dans le dossier."},
    {u"TXT_NOMS_PRIS", u"%v nouveaux noms sont déjà pris dans le dossier."},
    {u"MSG_PAS_UN_DOSSIER",
     u"'%v' n'est pas un dossier : le dernier dossier utilisé est ouvert à la place."},
    {u"MSG_ERREUR_INITIALISATION",
     u"Une erreur (%v) est survenue lors de l'initialisation de l'application :§§%v§§Veuillez "
     u"contacter l'auteur du logiciel si le problème persiste..."},
    {u"MSG_CHANGEMENT_LANGUE",
     u"Le changement de langue de l'interface sera pris en compte après redémarrage du "
     u"logiciel..."},
    {u"TXT_REMPLACEMENT_INDECIDABLE",
     u"l'expression régulière est trop complexe pour décider du nom « %v »"},
    {u"MSG_ETIQUETTES_ABANDONNEES",
     u"Les étiquettes de ces fichiers n'ont pas été lues : ni son ni étiquette n'y ont été "
     u"trouvés assez tôt (fichiers vides ou inachevés ?). Leurs champs restent vides.§§%v"},
    {u"TXT_NOM_RAFRAICHIR", u"Relire la liste des fichiers"},
    {u"TXT_NOM_PARCOURIR", u"Choisir le répertoire"},
    {u"TXT_NOM_COLLER_PLUS", u"Autres façons de coller"},
    {u"TXT_NOM_LISTE_FICHIERS", u"Liste des fichiers"},
    {u"TXT_NOM_LISTE_NOMS", u"Liste des nouveaux noms"},
    {u"TXT_NOM_TERMES", u"Termes à supprimer"},
    {u"TXT_NOM_RECHERCHE", u"Texte à remplacer"},
    {u"TXT_NOM_REMPLACEMENT", u"Texte de remplacement"},
    {u"TXT_NOM_NOMBRE_CARACTERES", u"Nombre de caractères à supprimer"},
    {u"TXT_NOM_POSITION_SUPPRESSION", u"Position de la suppression"},
    {u"TXT_NOM_CHAINE", u"Chaîne à ajouter"},
    {u"TXT_NOM_POSITION_AJOUT", u"Position de l'ajout"},
    {u"TXT_NOM_EN_DOUBLE", u"Nom en double"},
    {u"TXT_NOM_VIDE", u"Nom vide"},
    {u"TXT_ERREUR_ENOENT", u"Aucun fichier ou dossier de ce nom"},
    {u"TXT_ERREUR_EACCES", u"Accès refusé"},
    {u"TXT_ERREUR_EPERM", u"Opération non permise"},
    {u"TXT_ERREUR_EEXIST", u"Le fichier existe déjà"},
    {u"TXT_ERREUR_EISDIR", u"C'est un dossier"},
    {u"TXT_ERREUR_ENOTDIR", u"Ce n'est pas un dossier"},
    {u"TXT_ERREUR_ENOTEMPTY", u"Le dossier n'est pas vide"},
    {u"TXT_ERREUR_ENOSPC", u"Plus de place sur le disque"},
    {u"TXT_ERREUR_EROFS", u"Système de fichiers en lecture seule"},
    {u"TXT_ERREUR_EIO", u"Erreur d'entrée-sortie"},
    {u"TXT_ERREUR_EBUSY", u"Fichier ou dossier occupé"},
    {u"TXT_ERREUR_ENAMETOOLONG", u"Nom trop long"},
    {u"TXT_ERREUR_EXDEV", u"Le fichier est sur un autre système de fichiers"},
    {u"TXT_ERREUR_ELOOP", u"Trop de liens symboliques"},
    {u"TXT_ERREUR_EDQUOT", u"Quota de disque dépassé"},
    {u"TXT_ERREUR_TEXTE", u"Ce n'est pas un fichier texte."},
    {u"TXT_ERREUR_TROP_GRAND", u"Le fichier est trop grand pour être lu comme du texte."},
    {u"TXT_AIDE_LIGNE_COMMANDE",
     u"Utilisation : tervane [options] [DOSSIER]§"
     u"Renomme d'un coup les fichiers d'un dossier.§§"
     u"Options :§"
     u"  -h, --help          Affiche cette aide.§"
     u"  -V, -v, --version   Affiche la version du programme.§§"
     u"Arguments :§"
     u"  DOSSIER             Le dossier à ouvrir ; par défaut, le dernier ouvert."},
    {u"TXT_HISTORIQUE_TITRE", u"Historique des renommages"},
    {u"TXT_HISTORIQUE_ANNULER_JUSQUICI", u"&Annuler jusqu'à ce renommage"},
    {u"TXT_HISTORIQUE_FERMER", u"&Fermer"},
    {u"TXT_HISTORIQUE_FICHIER", u"%v fichier"},
    {u"TXT_HISTORIQUE_FICHIERS", u"%v fichiers"},
    {u"TXT_HISTORIQUE_FENETRE", u"fenêtre"},
    {u"TXT_HISTORIQUE_LIGNE_DE_COMMANDE", u"ligne de commande"},
    {u"TXT_HISTORIQUE_INTERROMPU", u"(interrompu)"},
    {u"TXT_HISTORIQUE_ABIME", u"journal abîmé : aucune annulation ne va au-delà"},
    {u"MSG_HISTORIQUE_VIDE", u"Il n'y a aucun renommage à annuler dans ce dossier."},
    {u"MSG_ANNULER_RENOMMAGES",
     u"Annuler les %v derniers renommages de ce dossier, un à un, du dernier au plus ancien ?"},
    {u"TXT_RETABLISSEMENT_EN_COURS", u"Rétablissement du renommage…"},
    {u"MSG_RIEN_A_RETABLIR", u"Il n'y a pas d'annulation à reprendre dans ce dossier : un "
                             u"renommage a été fait depuis. Aucun fichier n'a été renommé."},
    {u"MSG_RETABLIR_FICHIERS_CHANGES",
     u"Des fichiers ne sont plus là où l'annulation les a laissés (déplacés, remplacés ou "
     u"renommés) : aucun fichier n'a été renommé.§§La liste des fichiers a été relue."},
}};

#include <QString>

namespace tervane {

// The built-in French text of a catalogue key; empty for an unknown key.
inline QString frenchText(const QString& key)
{
    for (const BuiltInText& text : BuiltInTexts)
        if (key == QStringView(text.key))
            return QString::fromUtf16(text.french);
    return {};
}

} // namespace tervane
