// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tervane::cli {

// Keys of the command line's own texts, as its catalogue and the language
// files name them.
namespace CliKey {
inline const QString ChainMark = QStringLiteral("CLI_MARQUE_CHAINE");
inline const QString TakenMark = QStringLiteral("CLI_MARQUE_PRIS");
inline const QString NoDateMark = QStringLiteral("CLI_MARQUE_SANS_DATE");
inline const QString SortValues = QStringLiteral("CLI_SORT_VALEURS");
inline const QString DateFallbackValues = QStringLiteral("CLI_DATE_FALLBACK_VALEURS");
inline const QString CommandAndFolder = QStringLiteral("CLI_COMMANDE_ET_DOSSIER");
inline const QString EmptyOrDoubledNames = QStringLiteral("CLI_NOMS_VIDES_OU_DOUBLES");
inline const QString EpisodeFormat = QStringLiteral("CLI_EPISODE_FORMAT");
inline const QString FileNotRestored = QStringLiteral("CLI_FICHIER_NON_RETABLI");
inline const QString FilesNotRestored = QStringLiteral("CLI_FICHIERS_NON_RETABLIS");
inline const QString FileRenamed = QStringLiteral("CLI_FICHIER_RENOMME");
inline const QString FilesRenamed = QStringLiteral("CLI_FICHIERS_RENOMMES");
inline const QString Help = QStringLiteral("CLI_AIDE");
inline const QString JournalBehind = QStringLiteral("CLI_JOURNAL_NON_MIS_A_JOUR");
inline const QString JournalDamaged = QStringLiteral("CLI_JOURNAL_ABIME");
inline const QString JournalBehindAtEnd = QStringLiteral("CLI_JOURNAL_NON_MIS_A_JOUR_FIN");
inline const QString JournalOtherFolder = QStringLiteral("CLI_JOURNAL_AUTRE_DOSSIER");
inline const QString JournalNotWritten = QStringLiteral("CLI_JOURNAL_NON_ECRIT");
inline const QString JournalUnreadable = QStringLiteral("CLI_JOURNAL_ILLISIBLE");
inline const QString ListsUnpaired = QStringLiteral("CLI_LISTES_NON_APPARIEES");
inline const QString NameTaken = QStringLiteral("CLI_NOM_PRIS");
inline const QString ReplaceValues = QStringLiteral("CLI_REPLACE_VALEURS");
inline const QString InvalidExpression = QStringLiteral("CLI_EXPRESSION_INVALIDE");
inline const QString NamesTaken = QStringLiteral("CLI_NOMS_PRIS");
inline const QString NoFileMatches = QStringLiteral("CLI_AUCUN_FICHIER");
inline const QString OutputNotWritten = QStringLiteral("CLI_SORTIE_NON_ECRITE");
inline const QString NoSuchFolder = QStringLiteral("CLI_DOSSIER_INTROUVABLE");
inline const QString NoSuchSettings = QStringLiteral("CLI_REGLAGES_INTROUVABLES");
inline const QString NotASeries = QStringLiteral("CLI_PAS_UNE_SERIE");
inline const QString NothingToUndo = QStringLiteral("CLI_RIEN_A_ANNULER");
inline const QString NullWith = QStringLiteral("CLI_NULL_AVEC");
inline const QString OneSourceOnly = QStringLiteral("CLI_UNE_SEULE_SOURCE");
inline const QString RenamingUndone = QStringLiteral("CLI_RENOMMAGE_ANNULE");
inline const QString Row = QStringLiteral("CLI_LIGNE");
inline const QString SettingsUnreadable = QStringLiteral("CLI_REGLAGES_ILLISIBLES");
inline const QString UndoWithoutOptions = QStringLiteral("CLI_UNDO_SANS_OPTION");
inline const QString UnknownCommand = QStringLiteral("CLI_COMMANDE_INCONNUE");
inline const QString WidthValues = QStringLiteral("CLI_WIDTH_VALEURS");
inline const QString WidthWith = QStringLiteral("CLI_WIDTH_AVEC");
inline const QString YesRenamesAnyway = QStringLiteral("CLI_YES_MALGRE_TOUT");
inline const QString YesWith = QStringLiteral("CLI_YES_AVEC");
inline const QString ForgetInterruptedWith = QStringLiteral("CLI_FORGET_INTERRUPTED_AVEC");
inline const QString InterruptedFirst = QStringLiteral("CLI_RENOMMAGE_INTERROMPU");
inline const QString UnusableNames = QStringLiteral("CLI_NOMS_IMPOSSIBLES");
inline const QString TagsGivenUp = QStringLiteral("CLI_ETIQUETTES_ABANDONNEES");
inline const QString UnknownOption = QStringLiteral("CLI_OPTION_INCONNUE");
inline const QString MissingValue = QStringLiteral("CLI_VALEUR_MANQUANTE");
inline const QString QuietWith = QStringLiteral("CLI_QUIET_AVEC");
inline const QString NameHeldByFolder = QStringLiteral("CLI_NOM_DE_DOSSIER");
inline const QString NamesHeldByFolders = QStringLiteral("CLI_NOMS_DE_DOSSIERS");
inline const QString HelpHistory = QStringLiteral("CLI_AIDE_HISTORIQUE");
inline const QString HistoryWithoutOptions = QStringLiteral("CLI_HISTORIQUE_SANS_OPTION");
inline const QString ToWith = QStringLiteral("CLI_TO_AVEC");
inline const QString ToValues = QStringLiteral("CLI_TO_VALEURS");
inline const QString HistoryTooShort = QStringLiteral("CLI_HISTORIQUE_TROP_COURT");
inline const QString RenamingsUndone = QStringLiteral("CLI_RENOMMAGES_ANNULES");
inline const QString NothingToRedo = QStringLiteral("CLI_RIEN_A_RETABLIR");
inline const QString RedoFilesChanged = QStringLiteral("CLI_RETABLIR_FICHIERS_CHANGES");
inline const QString RenamingRedone = QStringLiteral("CLI_RENOMMAGE_RETABLI");
inline const QString MadeByWindow = QStringLiteral("CLI_HISTORIQUE_FENETRE");
inline const QString MadeByCommandLine = QStringLiteral("CLI_HISTORIQUE_LIGNE_DE_COMMANDE");
inline const QString HistoryFile = QStringLiteral("CLI_HISTORIQUE_FICHIER");
inline const QString HistoryFiles = QStringLiteral("CLI_HISTORIQUE_FICHIERS");
inline const QString HistoryInterrupted = QStringLiteral("CLI_HISTORIQUE_INTERROMPU");
inline const QString HistoryDamaged = QStringLiteral("CLI_HISTORIQUE_ABIME");

// Every key above: each has a built-in French text and a text in every
// shipped language file.
inline const QStringList All{ChainMark,
                             TakenMark,
                             CommandAndFolder,
                             EmptyOrDoubledNames,
                             EpisodeFormat,
                             FileNotRestored,
                             FilesNotRestored,
                             FileRenamed,
                             FilesRenamed,
                             Help,
                             JournalBehind,
                             JournalDamaged,
                             JournalBehindAtEnd,
                             JournalOtherFolder,
                             JournalNotWritten,
                             JournalUnreadable,
                             ListsUnpaired,
                             NameTaken,
                             ReplaceValues,
                             InvalidExpression,
                             NamesTaken,
                             NoFileMatches,
                             OutputNotWritten,
                             NoSuchFolder,
                             NoSuchSettings,
                             NotASeries,
                             NothingToUndo,
                             NullWith,
                             OneSourceOnly,
                             RenamingUndone,
                             Row,
                             SettingsUnreadable,
                             UndoWithoutOptions,
                             UnknownCommand,
                             WidthValues,
                             WidthWith,
                             YesRenamesAnyway,
                             YesWith,
                             ForgetInterruptedWith,
                             InterruptedFirst,
                             UnusableNames,
                             TagsGivenUp,
                             UnknownOption,
                             MissingValue,
                             QuietWith,
                             NameHeldByFolder,
                             NamesHeldByFolders,
                             NoDateMark,
                             SortValues,
                             DateFallbackValues,
                             HelpHistory,
                             HistoryWithoutOptions,
                             ToWith,
                             ToValues,
                             HistoryTooShort,
                             RenamingsUndone,
                             NothingToRedo,
                             RedoFilesChanged,
                             RenamingRedone,
                             MadeByWindow,
                             MadeByCommandLine,
                             HistoryFile,
                             HistoryFiles,
                             HistoryInterrupted,
                             HistoryDamaged};
} // namespace CliKey

} // namespace tervane::cli
