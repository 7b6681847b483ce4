// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/TreatmentOptions.h"

#include "text/TextHelpers.h"

#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsValues.h"

namespace tervane {

namespace {

using Option = TreatmentOption;
using Stored = Option::Stored;
using Stage = Option::Stage;
using T = TreatmentOptions;

const TreatmentOption Table[] = {
    {Option::Flag{&T::removeLeadingDigits}, SettingsKey::RemoveLeadingDigits, Stage::Treatment},
    {Option::Flag{&T::removeLeadingNonAlphanumerics}, SettingsKey::RemoveLeadingNonAlphanumerics,
     Stage::Treatment},
    {Option::Flag{&T::removeCapitals}, SettingsKey::RemoveCapitals, Stage::Treatment},
    {Option::Flag{&T::removeDurations}, SettingsKey::RemoveDurations, Stage::Treatment},
    {Option::Flag{&T::removeTerms}, SettingsKey::RemoveTerms, Stage::Treatment},
    {Option::Text{&T::termsToRemove, Stored::Spaced}, SettingsKey::TermsToRemove, Stage::Treatment},
    {Option::Flag{&T::replace}, SettingsKey::Replace, Stage::Treatment},
    {Option::Text{&T::replaceFrom, Stored::Quoted}, SettingsKey::ReplaceFrom, Stage::Treatment},
    {Option::Text{&T::replaceTo, Stored::Quoted}, SettingsKey::ReplaceTo, Stage::Treatment},
    {Option::Flag{&T::replaceRegex}, SettingsKey::ReplaceRegex, Stage::Treatment},
    {Option::Flag{&T::removeEmptyLines}, SettingsKey::RemoveEmptyLines, Stage::Rows},
    {Option::Flag{&T::removeCharacters}, SettingsKey::RemoveCharacters, Stage::Treatment},
    {Option::Text{&T::removeCharactersCount, Stored::AsTyped}, SettingsKey::RemoveCharactersCount,
     Stage::Treatment},
    {Option::Place{&T::removeCharactersMode, 3}, SettingsKey::RemoveCharactersMode,
     Stage::Treatment},
    {Option::Text{&T::removeCharactersPosition, Stored::AsTyped},
     SettingsKey::RemoveCharactersPosition, Stage::Treatment},
    {Option::Flag{&T::numbering}, SettingsKey::Numbering, Stage::Completion},
    {Option::Place{&T::numberingPosition, 2}, SettingsKey::NumberingPosition, Stage::Completion},
    {Option::Width{&T::numberingWidth, SettingsKey::NumberingDigitsOld},
     SettingsKey::NumberingWidth, Stage::Completion},
    {Option::Text{&T::numberingPrefix, Stored::NamePart}, SettingsKey::NumberingPrefix,
     Stage::Completion},
    {Option::Text{&T::numberingSuffix, Stored::NamePart}, SettingsKey::NumberingSuffix,
     Stage::Completion},
    {Option::Flag{&T::addString}, SettingsKey::AddString, Stage::Completion},
    {Option::Text{&T::addStringText, Stored::NamePart}, SettingsKey::AddStringText,
     Stage::Completion},
    {Option::Place{&T::addStringMode, 3}, SettingsKey::AddStringMode, Stage::Completion},
    {Option::Text{&T::addStringPosition, Stored::AsTyped}, SettingsKey::AddStringPosition,
     Stage::Completion},
    {Option::Flag{&T::dropOriginalExtension}, SettingsKey::DropOriginalExtension,
     Stage::Completion},
};

// Reads and writes the treatment keys of one settings file, each kind as it
// is stored; a missing key reads as the option's default.
class TreatmentKeys {
public:
    explicit TreatmentKeys(const QString& file)
        : m_file(file)
    {}

    void read(TreatmentOptions& o, const Option::Flag& flag, const QString& key) const
    {
        o.*flag.member = readBoolValue(text(key, boolText(m_defaults.*flag.member)));
    }
    void read(TreatmentOptions& o, const Option::Text& option, const QString& key) const
    {
        const QString& defaultValue = m_defaults.*option.member;
        if (option.stored == Stored::AsTyped) {
            o.*option.member = text(key, defaultValue);
            return;
        }
        const QString value = decodeSpaces(text(key, encodeSpaces(defaultValue)));
        // A settings file edited by hand may hold what no file name can.
        o.*option.member = option.stored == Stored::NamePart ? cleanNamePart(value) : value;
    }
    void read(TreatmentOptions& o, const Option::Place& place, const QString& key) const
    {
        // A place naming no option button reads as the first one.
        const int index = readNumberValue(text(key, modeText(m_defaults.*place.member)));
        o.*place.member = index < 0 || index >= place.places ? InsertPosition::AtStart
                                                             : static_cast<InsertPosition>(index);
    }
    void read(TreatmentOptions& o, const Option::Width& width, const QString& key) const
    {
        const QString older = text(width.olderKey, QString::number(m_defaults.*width.member));
        o.*width.member = correctNumberingWidth(readNumberValue(text(key, older)));
    }

    void write(const TreatmentOptions& o, const Option::Flag& flag, const QString& key) const
    {
        store(key, boolText(o.*flag.member));
    }
    void write(const TreatmentOptions& o, const Option::Text& option, const QString& key) const
    {
        const QString& value = o.*option.member;
        switch (option.stored) {
        case Stored::AsTyped:
            return store(key, value);
        case Stored::Quoted:
            return store(key, withQuotesKept(encodeSpaces(value)));
        case Stored::Spaced:
        case Stored::NamePart:
            return store(key, encodeSpaces(value));
        }
    }
    void write(const TreatmentOptions& o, const Option::Place& place, const QString& key) const
    {
        store(key, modeText(o.*place.member));
    }
    void write(const TreatmentOptions& o, const Option::Width& width, const QString& key) const
    {
        store(width.olderKey, std::nullopt);
        store(key, QString::number(o.*width.member));
    }

private:
    QString text(const QString& key, const QString& defaultValue) const
    {
        return readIniString(m_file, SettingsKey::Section, key, defaultValue);
    }
    void store(const QString& key, const std::optional<QString>& value) const
    {
        writeIniString(m_file, SettingsKey::Section, key, value);
    }
    // The reading of a value drops one pair of quotes around it: a text that
    // is so quoted itself ('live', an expression "(.*)") gets a pair to lose.
    static QString withQuotesKept(const QString& text)
    {
        const bool quoted = text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
                            text.back() == text.front();
        return quoted ? u'"' + text + u'"' : text;
    }
    static QString modeText(InsertPosition mode) { return QString::number(static_cast<int>(mode)); }

    QString m_file;
    const TreatmentOptions m_defaults{};
};

} // namespace

int correctNumberingWidth(int width)
{
    if (width == 1)
        return 2;
    return width < 0 || width > 9 ? 0 : width;
}

std::span<const TreatmentOption> treatmentOptionTable()
{
    return Table;
}

TreatmentOptions loadTreatmentOptions(const QString& settingsFile)
{
    const TreatmentKeys keys(settingsFile);
    TreatmentOptions o;
    for (const TreatmentOption& option : Table)
        std::visit([&](const auto& kind) { keys.read(o, kind, option.key); }, option.kind);
    return o;
}

void saveTreatmentOptions(const QString& settingsFile, const TreatmentOptions& o)
{
    const TreatmentKeys keys(settingsFile);
    for (const TreatmentOption& option : Table)
        std::visit([&](const auto& kind) { keys.write(o, kind, option.key); }, option.kind);
}

} // namespace tervane
