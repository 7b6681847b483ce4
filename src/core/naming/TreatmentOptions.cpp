// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/TreatmentOptions.h"

#include "text/TextHelpers.h"

#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsValues.h"

namespace tervane {

namespace {

class TreatmentKeys {
public:
    explicit TreatmentKeys(const QString& file)
        : m_file(file)
    {}

    QString text(const QString& key, const QString& defaultValue) const
    {
        return readIniString(m_file, SettingsKey::Section, key, defaultValue);
    }
    bool flag(const QString& key, bool defaultValue) const
    {
        return readBoolValue(text(key, boolText(defaultValue)));
    }
    QString spaced(const QString& key, const QString& defaultValue) const
    {
        return decodeSpaces(text(key, encodeSpaces(defaultValue)));
    }
    InsertPosition mode(const QString& key, int buttonCount) const
    {
        // A mode naming no option button reads as the first one.
        const int index = readNumberValue(text(key, QStringLiteral("0")));
        return index < 0 || index >= buttonCount ? InsertPosition::AtStart
                                                 : static_cast<InsertPosition>(index);
    }

private:
    QString m_file;
};

// The reading of a value drops one pair of quotes around it: a text that is
// so quoted itself ('live', an expression "(.*)") gets a pair to lose.
QString withQuotesKept(const QString& text)
{
    const bool quoted = text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
                        text.back() == text.front();
    return quoted ? u'"' + text + u'"' : text;
}

QString modeText(InsertPosition mode)
{
    return QString::number(static_cast<int>(mode));
}

} // namespace

int correctNumberingWidth(int width)
{
    if (width == 1)
        return 2;
    return width < 0 || width > 9 ? 0 : width;
}

TreatmentOptions loadTreatmentOptions(const QString& settingsFile)
{
    using namespace SettingsKey;
    const TreatmentKeys keys(settingsFile);
    const TreatmentOptions d;
    TreatmentOptions o;
    o.removeLeadingDigits = keys.flag(RemoveLeadingDigits, d.removeLeadingDigits);
    o.removeLeadingNonAlphanumerics =
        keys.flag(RemoveLeadingNonAlphanumerics, d.removeLeadingNonAlphanumerics);
    o.removeCapitals = keys.flag(RemoveCapitals, d.removeCapitals);
    o.removeDurations = keys.flag(RemoveDurations, d.removeDurations);
    o.removeTerms = keys.flag(RemoveTerms, d.removeTerms);
    o.termsToRemove = keys.spaced(TermsToRemove, d.termsToRemove);
    o.replace = keys.flag(Replace, d.replace);
    o.replaceFrom = keys.spaced(ReplaceFrom, d.replaceFrom);
    o.replaceTo = keys.spaced(ReplaceTo, d.replaceTo);
    o.replaceRegex = keys.flag(ReplaceRegex, d.replaceRegex);
    o.removeEmptyLines = keys.flag(RemoveEmptyLines, d.removeEmptyLines);
    o.removeCharacters = keys.flag(RemoveCharacters, d.removeCharacters);
    o.removeCharactersCount = keys.text(RemoveCharactersCount, d.removeCharactersCount);
    o.removeCharactersMode = keys.mode(RemoveCharactersMode, 3);
    o.removeCharactersPosition = keys.text(RemoveCharactersPosition, d.removeCharactersPosition);
    o.numbering = keys.flag(Numbering, d.numbering);
    o.numberingPosition = keys.mode(NumberingPosition, 2);
    const QString olderWidth = keys.text(NumberingDigitsOld, QStringLiteral("2"));
    o.numberingWidth =
        correctNumberingWidth(readNumberValue(keys.text(NumberingWidth, olderWidth)));
    // Parts of names: a settings file edited by hand may hold what no file
    // name can.
    o.numberingPrefix = cleanNamePart(keys.spaced(NumberingPrefix, d.numberingPrefix));
    o.numberingSuffix = cleanNamePart(keys.spaced(NumberingSuffix, d.numberingSuffix));
    o.addString = keys.flag(AddString, d.addString);
    o.addStringText = cleanNamePart(keys.spaced(AddStringText, d.addStringText));
    o.addStringMode = keys.mode(AddStringMode, 3);
    o.addStringPosition = keys.text(AddStringPosition, d.addStringPosition);
    o.dropOriginalExtension = keys.flag(DropOriginalExtension, d.dropOriginalExtension);
    return o;
}

void saveTreatmentOptions(const QString& settingsFile, const TreatmentOptions& o)
{
    using namespace SettingsKey;
    const auto write = [&](const QString& key, const std::optional<QString>& value) {
        writeIniString(settingsFile, Section, key, value);
    };
    write(RemoveLeadingDigits, boolText(o.removeLeadingDigits));
    write(RemoveLeadingNonAlphanumerics, boolText(o.removeLeadingNonAlphanumerics));
    write(RemoveCapitals, boolText(o.removeCapitals));
    write(RemoveDurations, boolText(o.removeDurations));
    write(RemoveTerms, boolText(o.removeTerms));
    write(TermsToRemove, encodeSpaces(o.termsToRemove));
    write(Replace, boolText(o.replace));
    write(ReplaceFrom, withQuotesKept(encodeSpaces(o.replaceFrom)));
    write(ReplaceTo, withQuotesKept(encodeSpaces(o.replaceTo)));
    write(ReplaceRegex, boolText(o.replaceRegex));
    write(RemoveEmptyLines, boolText(o.removeEmptyLines));
    write(RemoveCharacters, boolText(o.removeCharacters));
    write(RemoveCharactersCount, o.removeCharactersCount);
    write(RemoveCharactersMode, modeText(o.removeCharactersMode));
    write(RemoveCharactersPosition, o.removeCharactersPosition);
    write(Numbering, boolText(o.numbering));
    write(NumberingPosition, modeText(o.numberingPosition));
    write(NumberingDigitsOld, std::nullopt);
    write(NumberingWidth, QString::number(o.numberingWidth));
    write(NumberingPrefix, encodeSpaces(o.numberingPrefix));
    write(NumberingSuffix, encodeSpaces(o.numberingSuffix));
    write(AddString, boolText(o.addString));
    write(AddStringText, encodeSpaces(o.addStringText));
    write(AddStringMode, modeText(o.addStringMode));
    write(AddStringPosition, o.addStringPosition);
    write(DropOriginalExtension, boolText(o.dropOriginalExtension));
}

} // namespace tervane
