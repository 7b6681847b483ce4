// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <span>
#include <variant>

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

// One treatment option as the settings file and the making of names know it:
// its member, by kind, its key, and what a change to it makes stale. Its
// default is the member's above, which a missing key reads as.
struct TreatmentOption {
    // A tick, stored as boolText.
    struct Flag {
        bool TreatmentOptions::*member;
    };
    // A text, stored as it is typed or with its spaces kept (encodeSpaces).
    enum class Stored {
        AsTyped,
        Spaced,
        Quoted,   // spaced, and a text in quotes given a pair the reading drops
        NamePart, // spaced, and read back rid of what no file name may hold
    };
    struct Text {
        QString TreatmentOptions::*member;
        Stored stored;
    };
    // The option button chosen among a row's places, stored as its index.
    struct Place {
        InsertPosition TreatmentOptions::*member;
        int places;
    };
    // A zero-fill width, read corrected, once stored under an older key.
    struct Width {
        int TreatmentOptions::*member;
        const QString& olderKey;
    };
    // What a change to the option makes stale: the treatments before
    // numbering (every name is cleaned again), or the completion of the rows
    // (numbering, added string, extension: every row is made again). Rows:
    // only which records take rows, which no fingerprint need hold, since a
    // row that moves is made again anyway.
    enum class Stage { Treatment, Completion, Rows };

    std::variant<Flag, Text, Place, Width> kind;
    const QString& key;
    Stage stage;
};

// Every treatment option, in the settings file's order.
std::span<const TreatmentOption> treatmentOptionTable();

// The stored fill width made usable: 1 becomes 2, anything outside 0..9 is 0.
int correctNumberingWidth(int width);

// Reads every treatment key of the settings file in its order, with the
// defaults above for missing keys. A stored mode naming no option button
// reads as AtStart.
TreatmentOptions loadTreatmentOptions(const QString& settingsFile);

// Writes every treatment key in its order; the older fill-width key is removed.
void saveTreatmentOptions(const QString& settingsFile, const TreatmentOptions& options);

} // namespace tervane
