#pragma once

#include <QString>

namespace tervane {

enum class InsertPosition { AtStart = 0, AtEnd = 1, AtPosition = 2 };

// Every setting that shapes the generated names. Number fields keep the raw
// text of their box; they are read as numbers only where they are used.
struct TreatmentOptions {
    bool RemoveLeadingDigits = true;
    bool RemoveLeadingNonAlphanumerics = true;
    bool RemoveDurations = true;
    bool RemoveTerms = false;
    QString TermsToRemove;
    bool RemoveCapitals = false;
    bool RemoveEmptyLines = true;
    bool RemoveCharacters = false;
    QString RemoveCharactersCount = QStringLiteral("0");
    InsertPosition RemoveCharactersMode = InsertPosition::AtStart;
    QString RemoveCharactersPosition = QStringLiteral("1");
    bool Numbering = true;
    InsertPosition NumberingPosition = InsertPosition::AtStart;
    int NumberingWidth = 2;
    QString NumberingPrefix;
    QString NumberingSuffix = QStringLiteral(" - ");
    bool AddString = false;
    QString AddStringText;
    InsertPosition AddStringMode = InsertPosition::AtStart;
    QString AddStringPosition = QStringLiteral("1");
    bool DropOriginalExtension = false;

    bool operator==(const TreatmentOptions&) const = default;
};

// The stored fill width made usable: 1 becomes 2, anything outside 0..9 is 0.
int CorrectNumberingWidth(int width);

// Reads every treatment key of the settings file in its order, with the
// defaults above for missing keys. A stored mode naming no option button
// reads as AtStart.
TreatmentOptions LoadTreatmentOptions(const QString& settingsFile);

// Writes every treatment key in its order; the older fill-width key is removed.
void SaveTreatmentOptions(const QString& settingsFile, const TreatmentOptions& options);

} // namespace tervane
