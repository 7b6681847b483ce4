// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tervane {

enum class InsertPosition { AtStart = 0, AtEnd = 1, AtPosition = 2 };

// Every setting that shapes the generated names. Number fields keep the raw
// text of their box; they are read as numbers only where they are used.
struct TreatmentOptions {
    bool removeLeadingDigits = true;
    bool removeLeadingNonAlphanumerics = true;
    bool removeDurations = true;
    bool removeTerms = false;
    QString termsToRemove;
    bool replace = false;
    QString replaceFrom;
    QString replaceTo;
    bool replaceRegex = false; // replaceFrom is a regular expression, replaceTo may say \1..\9
    bool removeCapitals = false;
    bool removeEmptyLines = true;
    bool removeCharacters = false;
    QString removeCharactersCount = QStringLiteral("0");
    InsertPosition removeCharactersMode = InsertPosition::AtStart;
    QString removeCharactersPosition = QStringLiteral("1");
    bool numbering = true;
    InsertPosition numberingPosition = InsertPosition::AtStart;
    int numberingWidth = 2;
    QString numberingPrefix;
    QString numberingSuffix = QStringLiteral(" - ");
    bool addString = false;
    QString addStringText;
    InsertPosition addStringMode = InsertPosition::AtStart;
    QString addStringPosition = QStringLiteral("1");
    bool dropOriginalExtension = false;

    bool operator==(const TreatmentOptions&) const = default;
};

// The stored fill width made usable: 1 becomes 2, anything outside 0..9 is 0.
int correctNumberingWidth(int width);

// Reads every treatment key of the settings file in its order, with the
// defaults above for missing keys. A stored mode naming no option button
// reads as AtStart.
TreatmentOptions loadTreatmentOptions(const QString& settingsFile);

// Writes every treatment key in its order; the older fill-width key is removed.
void saveTreatmentOptions(const QString& settingsFile, const TreatmentOptions& options);

} // namespace tervane
