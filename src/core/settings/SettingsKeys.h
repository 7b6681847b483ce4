// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tervane {

// Names of the settings file's section and keys, in reading order.
namespace SettingsKey {
inline const QString Section = QStringLiteral("Config");

inline const QString Language = QStringLiteral("Langue");
inline const QString Extensions = QStringLiteral("Extensions");
inline const QString RemoveLeadingDigits = QStringLiteral("SuppressionChiffresDébut");
inline const QString RemoveLeadingNonAlphanumerics =
    QStringLiteral("SuppressionCaractèresNonAlpha");
inline const QString RemoveCapitals = QStringLiteral("SuppressionMajuscules");
inline const QString RemoveDurations = QStringLiteral("SuppressionDurées");
inline const QString RemoveTerms = QStringLiteral("SuppressionTermes");
inline const QString TermsToRemove = QStringLiteral("TermesASupprimer");
inline const QString Replace = QStringLiteral("Remplacement");
inline const QString ReplaceFrom = QStringLiteral("RemplacementRecherche");
inline const QString ReplaceTo = QStringLiteral("RemplacementPar");
inline const QString ReplaceRegex = QStringLiteral("RemplacementExpression");
inline const QString RemoveEmptyLines = QStringLiteral("SuppressionLignesVides");
inline const QString RemoveCharacters = QStringLiteral("SuppressionCaractères");
inline const QString RemoveCharactersCount = QStringLiteral("SuppressionCaractèresNombre");
inline const QString RemoveCharactersMode = QStringLiteral("SuppressionCaractèresMode");
inline const QString RemoveCharactersPosition = QStringLiteral("SuppressionCaractèresPosition");
inline const QString Numbering = QStringLiteral("Numérotation");
inline const QString NumberingPosition = QStringLiteral("NumérotationPosition");
inline const QString NumberingDigitsOld = QStringLiteral("NumérotationNbChiffres");
inline const QString NumberingWidth = QStringLiteral("NumérotationRemplissage");
inline const QString NumberingPrefix = QStringLiteral("NumérotationPréfixe");
inline const QString NumberingSuffix = QStringLiteral("NumérotationSuffixe");
inline const QString AddString = QStringLiteral("AjoutChaîne");
inline const QString AddStringText = QStringLiteral("AjoutChaîneTexte");
inline const QString AddStringMode = QStringLiteral("AjoutChaîneMode");
inline const QString AddStringPosition = QStringLiteral("AjoutChaînePosition");
inline const QString DropOriginalExtension = QStringLiteral("NePasReprendreExtensionOriginale");

inline const QString RememberSplitter = QStringLiteral("FenêtreMémoriserSéparateur");
inline const QString RememberSize = QStringLiteral("FenêtreMémoriserTaille");
inline const QString RememberPosition = QStringLiteral("FenêtreMémoriserPosition");
inline const QString WindowState = QStringLiteral("FenêtreEtat");
inline const QString WindowHeight = QStringLiteral("FenêtreHauteur");
inline const QString WindowWidth = QStringLiteral("FenêtreLargeur");
inline const QString WindowLeft = QStringLiteral("FenêtreGauche");
inline const QString WindowTop = QStringLiteral("FenêtreHaut");
inline const QString SplitterRatio = QStringLiteral("SéparateurRatio");
inline const QString MinimiseToTray = QStringLiteral("MinimiserSystray");
inline const QString AlwaysOnTop = QStringLiteral("ToujoursAuDessus");
inline const QString ResolvePermutations = QStringLiteral("RésoudrePermutations");
inline const QString SortByDateTaken = QStringLiteral("TriDatePriseDeVue");
inline const QString DateFallback = QStringLiteral("PhotosSansDateModification");
inline const QString LastFolder = QStringLiteral("DernierDossier");
inline const QString HistoryLength = QStringLiteral("HistoriqueRenommages");
} // namespace SettingsKey

inline const QString DefaultExtensions = QStringLiteral("*.mp3;*.wma");
// Renamings of each folder its history keeps, the latest included.
inline constexpr int DefaultHistoryLength = 20;

} // namespace tervane
