// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tervane {

// Names of the settings file's section and keys, in reading order.
namespace SettingsKey {
inline const QString Section = QStringLiteral("Config");

inline const QString Language = QStringLiteral("Langue");
inline const QString Extensions = QStringLiteral("Extensions");
inline const QString removeLeadingDigits = QStringLiteral("SuppressionChiffresDébut");
inline const QString removeLeadingNonAlphanumerics =
    QStringLiteral("SuppressionCaractèresNonAlpha");
inline const QString removeCapitals = QStringLiteral("SuppressionMajuscules");
inline const QString removeDurations = QStringLiteral("SuppressionDurées");
inline const QString removeTerms = QStringLiteral("SuppressionTermes");
inline const QString termsToRemove = QStringLiteral("TermesASupprimer");
inline const QString replace = QStringLiteral("Remplacement");
inline const QString replaceFrom = QStringLiteral("RemplacementRecherche");
inline const QString replaceTo = QStringLiteral("RemplacementPar");
inline const QString replaceRegex = QStringLiteral("RemplacementExpression");
inline const QString removeEmptyLines = QStringLiteral("SuppressionLignesVides");
inline const QString removeCharacters = QStringLiteral("SuppressionCaractères");
inline const QString removeCharactersCount = QStringLiteral("SuppressionCaractèresNombre");
inline const QString removeCharactersMode = QStringLiteral("SuppressionCaractèresMode");
inline const QString removeCharactersPosition = QStringLiteral("SuppressionCaractèresPosition");
inline const QString numbering = QStringLiteral("Numérotation");
inline const QString numberingPosition = QStringLiteral("NumérotationPosition");
inline const QString NumberingDigitsOld = QStringLiteral("NumérotationNbChiffres");
inline const QString numberingWidth = QStringLiteral("NumérotationRemplissage");
inline const QString numberingPrefix = QStringLiteral("NumérotationPréfixe");
inline const QString numberingSuffix = QStringLiteral("NumérotationSuffixe");
inline const QString addString = QStringLiteral("AjoutChaîne");
inline const QString addStringText = QStringLiteral("AjoutChaîneTexte");
inline const QString addStringMode = QStringLiteral("AjoutChaîneMode");
inline const QString addStringPosition = QStringLiteral("AjoutChaînePosition");
inline const QString dropOriginalExtension = QStringLiteral("NePasReprendreExtensionOriginale");

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
inline const QString LastFolder = QStringLiteral("DernierDossier");
} // namespace SettingsKey

inline const QString DefaultExtensions = QStringLiteral("*.mp3;*.wma");

} // namespace tervane
