// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tervane {

// Keys of the interface texts the code shows, as the catalogue and the language
// files name them (the captions of controls go by their names instead).
namespace TextKey {
inline const QString AddName = QStringLiteral("TXT_POPUP_NOMS_AJOUTER");
inline const QString AllFiles = QStringLiteral("TXT_TOUS_FICHIERS");
inline const QString BadRemovalValue = QStringLiteral("MSG_ERREUR_VALEUR_INCORRECTE_SUPPRESSION");
inline const QString ChooseFolder = QStringLiteral("TXT_VEUILLEZ_SELECTIONNER_DOSSIER");
inline const QString ChooseTextFile = QStringLiteral("TXT_VEUILLEZ_SELECTIONNER_FICHIER");
inline const QString DeleteNames = QStringLiteral("TXT_POPUP_NOMS_SUPPRIMER");
inline const QString EmptyClipboard = QStringLiteral("MSG_ERREUR_PRESSE-PAPIERS_VIDE");
inline const QString EnterName = QStringLiteral("TXT_VEUILLEZ_SAISIR_NOM");
inline const QString EnterTemplate = QStringLiteral("TXT_VEUILLEZ_SAISIR_NOM_REINIT");
inline const QString FillWidthTooSmall = QStringLiteral("MSG_ERREUR_VALEUR_REMPLISSAGE");
inline const QString FolderBusy = QStringLiteral("MSG_RENOMMAGE_EN_COURS");
inline const QString FolderNotLockable = QStringLiteral("MSG_VERROUILLAGE_IMPOSSIBLE");
inline const QString GoOnDespiteConflicts = QStringLiteral("MSG_OUTREPASSER_CONFLITS");
inline const QString JournalBehind = QStringLiteral("MSG_JOURNAL_NON_MIS_A_JOUR");
inline const QString JournalDamaged = QStringLiteral("MSG_JOURNAL_ABIME");
inline const QString JournalNotWritten = QStringLiteral("MSG_JOURNAL_NON_ECRIT");
inline const QString JournalUnreadable = QStringLiteral("MSG_JOURNAL_ILLISIBLE");
inline const QString JournalOtherFolder = QStringLiteral("MSG_JOURNAL_AUTRE_DOSSIER");
inline const QString JournalBehindAtEnd = QStringLiteral("MSG_JOURNAL_NON_MIS_A_JOUR_FIN");
inline const QString FileNotThere = QStringLiteral("TXT_FICHIER_PLUS_LA");
inline const QString InsertName = QStringLiteral("TXT_POPUP_NOMS_INSERER");
inline const QString LanguageChanged = QStringLiteral("MSG_CHANGEMENT_LANGUE");
inline const QString ModifyName = QStringLiteral("TXT_POPUP_NOMS_MODIFIER");
inline const QString NameTaken = QStringLiteral("MSG_CONFLIT_DETECTE");
inline const QString NamesTaken = QStringLiteral("MSG_CONFLITS_DETECTES");
inline const QString NoFileListed = QStringLiteral("MSG_ERREUR_LISTE_FICHIERS_VIDE");
inline const QString NotAFolder = QStringLiteral("MSG_PAS_UN_DOSSIER");
inline const QString NameTakenBy = QStringLiteral("TXT_NOM_PRIS_PAR");
inline const QString ForeignName = QStringLiteral("TXT_NOM_NON_UTF8");
inline const QString TakenOn = QStringLiteral("TXT_PRISE_DE_VUE");
inline const QString NoDateTaken = QStringLiteral("TXT_SANS_DATE_PRISE_DE_VUE");
inline const QString SortByDateTaken = QStringLiteral("TXT_TRI_DATE_PRISE_DE_VUE");
inline const QString OneNameTaken = QStringLiteral("TXT_UN_NOM_PRIS");
inline const QString NamesTakenCount = QStringLiteral("TXT_NOMS_PRIS");
inline const QString NamesForOtherFiles = QStringLiteral("TXT_NOMS_POUR_AUTRES_FICHIERS");
inline const QString FolderChanged = QStringLiteral("MSG_DOSSIER_MODIFIE");
inline const QString NothingLeftToUndo = QStringLiteral("MSG_PLUS_RIEN_A_ANNULER");
inline const QString NotRestored = QStringLiteral("MSG_ERREUR_ANNULATION_RENOMMAGE");
inline const QString OthersNotRestored = QStringLiteral("MSG_ERREUR_ANNULATION_AUTRES");
inline const QString OtherNotRestored = QStringLiteral("MSG_ERREUR_ANNULATION_AUTRE");
inline const QString PasteEpisodesSE = QStringLiteral("TXT_POPUP_COLLER_NOM_DOSSIER_S01E01");
inline const QString PasteEpisodesX = QStringLiteral("TXT_POPUP_COLLER_NOM_DOSSIER_01x01");
inline const QString PasteFileNames = QStringLiteral("TXT_POPUP_COLLER_NOMS_FICHIERS");
inline const QString PasteFromClipboard = QStringLiteral("TXT_POPUP_COLLER_DEPUIS_PRESSE_PAPIERS");
inline const QString PasteFromFile = QStringLiteral("TXT_POPUP_COLLER_DEPUIS_FICHIER");
inline const QString PasteTemplate = QStringLiteral("TXT_POPUP_COLLER_CHAINE");
inline const QString PasteTitlesFromTags = QStringLiteral("TXT_POPUP_COLLER_TITRES_FICHIERS");
inline const QString RenameFailed = QStringLiteral("MSG_ERREUR_RENOMMAGE");
inline const QString RenamingInProgress = QStringLiteral("TXT_RENOMMAGE_EN_COURS");
inline const QString UndoInProgress = QStringLiteral("TXT_ANNULATION_EN_COURS");
inline const QString ResumeInterrupted = QStringLiteral("MSG_REPRISE_RENOMMAGE_INTERROMPU");
inline const QString RollBackQuestion = QStringLiteral("MSG_ERREUR_RENOMMAGE_FICHIERS_TRAITES");
inline const QString StartFailed = QStringLiteral("MSG_ERREUR_INITIALISATION");
inline const QString TagsGivenUp = QStringLiteral("MSG_ETIQUETTES_ABANDONNEES");
inline const QString TextFiles = QStringLiteral("TXT_FICHIERS_TXT");
inline const QString TrackTemplate = QStringLiteral("TXT_PISTE_NUMERO");
inline const QString UndoAgainLater = QStringLiteral("MSG_ANNULATION_A_REPRENDRE");
inline const QString UnreadableClipboard = QStringLiteral("MSG_ERREUR_CONTENU_PRESSE-PAPIERS");
inline const QString UnreadableTextFile = QStringLiteral("MSG_ERREUR_CONTENU_FICHIER");
inline const QString UndecidedReplacement = QStringLiteral("TXT_REMPLACEMENT_INDECIDABLE");
inline const QString RefreshFiles = QStringLiteral("TXT_NOM_RAFRAICHIR");
inline const QString BrowseFolder = QStringLiteral("TXT_NOM_PARCOURIR");
inline const QString MorePaste = QStringLiteral("TXT_NOM_COLLER_PLUS");
inline const QString FileListName = QStringLiteral("TXT_NOM_LISTE_FICHIERS");
inline const QString NameListName = QStringLiteral("TXT_NOM_LISTE_NOMS");
inline const QString TermsField = QStringLiteral("TXT_NOM_TERMES");
inline const QString SearchedField = QStringLiteral("TXT_NOM_RECHERCHE");
inline const QString ReplacementField = QStringLiteral("TXT_NOM_REMPLACEMENT");
inline const QString RemovedCountField = QStringLiteral("TXT_NOM_NOMBRE_CARACTERES");
inline const QString RemovalPositionField = QStringLiteral("TXT_NOM_POSITION_SUPPRESSION");
inline const QString AddedTextField = QStringLiteral("TXT_NOM_CHAINE");
inline const QString AddedPositionField = QStringLiteral("TXT_NOM_POSITION_AJOUT");
inline const QString DoubledName = QStringLiteral("TXT_NOM_EN_DOUBLE");
inline const QString EmptyName = QStringLiteral("TXT_NOM_VIDE");
inline const QString CommandLineHelp = QStringLiteral("TXT_AIDE_LIGNE_COMMANDE");

// Every key above: each has a built-in French text and a text in every
// shipped language file.
inline const QString HistoryTitle = QStringLiteral("TXT_HISTORIQUE_TITRE");
inline const QString HistoryUndoTo = QStringLiteral("TXT_HISTORIQUE_ANNULER_JUSQUICI");
inline const QString HistoryClose = QStringLiteral("TXT_HISTORIQUE_FERMER");
inline const QString HistoryFile = QStringLiteral("TXT_HISTORIQUE_FICHIER");
inline const QString HistoryFiles = QStringLiteral("TXT_HISTORIQUE_FICHIERS");
inline const QString HistoryMadeByWindow = QStringLiteral("TXT_HISTORIQUE_FENETRE");
inline const QString HistoryMadeByCommandLine = QStringLiteral("TXT_HISTORIQUE_LIGNE_DE_COMMANDE");
inline const QString HistoryInterrupted = QStringLiteral("TXT_HISTORIQUE_INTERROMPU");
inline const QString HistoryDamaged = QStringLiteral("TXT_HISTORIQUE_ABIME");
inline const QString HistoryEmpty = QStringLiteral("MSG_HISTORIQUE_VIDE");
inline const QString UndoSeveral = QStringLiteral("MSG_ANNULER_RENOMMAGES");
inline const QString RedoInProgress = QStringLiteral("TXT_RETABLISSEMENT_EN_COURS");
inline const QString NothingToRedo = QStringLiteral("MSG_RIEN_A_RETABLIR");
inline const QString RedoFilesChanged = QStringLiteral("MSG_RETABLIR_FICHIERS_CHANGES");

inline const QStringList All{AddName,
                             AllFiles,
                             BadRemovalValue,
                             ChooseFolder,
                             ChooseTextFile,
                             DeleteNames,
                             EmptyClipboard,
                             EnterName,
                             EnterTemplate,
                             FillWidthTooSmall,
                             FolderBusy,
                             FolderNotLockable,
                             GoOnDespiteConflicts,
                             JournalBehind,
                             JournalDamaged,
                             JournalNotWritten,
                             JournalUnreadable,
                             JournalOtherFolder,
                             JournalBehindAtEnd,
                             FileNotThere,
                             InsertName,
                             LanguageChanged,
                             ModifyName,
                             NameTaken,
                             NamesTaken,
                             NoFileListed,
                             NotAFolder,
                             NameTakenBy,
                             ForeignName,
                             TakenOn,
                             NoDateTaken,
                             SortByDateTaken,
                             OneNameTaken,
                             NamesTakenCount,
                             NamesForOtherFiles,
                             FolderChanged,
                             NothingLeftToUndo,
                             NotRestored,
                             OthersNotRestored,
                             OtherNotRestored,
                             PasteEpisodesSE,
                             PasteEpisodesX,
                             PasteFileNames,
                             PasteFromClipboard,
                             PasteFromFile,
                             PasteTemplate,
                             PasteTitlesFromTags,
                             RenameFailed,
                             RenamingInProgress,
                             UndoInProgress,
                             ResumeInterrupted,
                             RollBackQuestion,
                             StartFailed,
                             TagsGivenUp,
                             TextFiles,
                             TrackTemplate,
                             UndoAgainLater,
                             UnreadableClipboard,
                             UnreadableTextFile,
                             UndecidedReplacement,
                             RefreshFiles,
                             BrowseFolder,
                             MorePaste,
                             FileListName,
                             NameListName,
                             TermsField,
                             SearchedField,
                             ReplacementField,
                             RemovedCountField,
                             RemovalPositionField,
                             AddedTextField,
                             AddedPositionField,
                             DoubledName,
                             EmptyName,
                             CommandLineHelp,
                             HistoryTitle,
                             HistoryUndoTo,
                             HistoryClose,
                             HistoryFile,
                             HistoryFiles,
                             HistoryMadeByWindow,
                             HistoryMadeByCommandLine,
                             HistoryInterrupted,
                             HistoryDamaged,
                             HistoryEmpty,
                             UndoSeveral,
                             RedoInProgress,
                             NothingToRedo,
                             RedoFilesChanged};
} // namespace TextKey

} // namespace tervane
