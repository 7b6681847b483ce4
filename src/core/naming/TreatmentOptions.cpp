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
    o.removeLeadingDigits = keys.flag(removeLeadingDigits, d.removeLeadingDigits);
    o.removeLeadingNonAlphanumerics =
        keys.flag(removeLeadingNonAlphanumerics, d.removeLeadingNonAlphanumerics);
    o.removeCapitals = keys.flag(removeCapitals, d.removeCapitals);
    o.removeDurations = keys.flag(removeDurations, d.removeDurations);
    o.removeTerms = keys.flag(removeTerms, d.removeTerms);
    o.termsToRemove = keys.spaced(termsToRemove, d.termsToRemove);
    o.replace = keys.flag(replace, d.replace);
    o.replaceFrom = keys.spaced(replaceFrom, d.replaceFrom);
    o.replaceTo = keys.spaced(replaceTo, d.replaceTo);
    o.replaceRegex = keys.flag(replaceRegex, d.replaceRegex);
    o.removeEmptyLines = keys.flag(removeEmptyLines, d.removeEmptyLines);
    o.removeCharacters = keys.flag(removeCharacters, d.removeCharacters);
    o.removeCharactersCount = keys.text(removeCharactersCount, d.removeCharactersCount);
    o.removeCharactersMode = keys.mode(removeCharactersMode, 3);
    o.removeCharactersPosition = keys.text(removeCharactersPosition, d.removeCharactersPosition);
    o.numbering = keys.flag(numbering, d.numbering);
    o.numberingPosition = keys.mode(numberingPosition, 2);
    const QString olderWidth = keys.text(NumberingDigitsOld, QStringLiteral("2"));
    o.numberingWidth =
        correctNumberingWidth(readNumberValue(keys.text(numberingWidth, olderWidth)));
    // Parts of names: a settings file edited by hand may hold what no file
    // name can.
    o.numberingPrefix = cleanNamePart(keys.spaced(numberingPrefix, d.numberingPrefix));
    o.numberingSuffix = cleanNamePart(keys.spaced(numberingSuffix, d.numberingSuffix));
    o.addString = keys.flag(addString, d.addString);
    o.addStringText = cleanNamePart(keys.spaced(addStringText, d.addStringText));
    o.addStringMode = keys.mode(addStringMode, 3);
    o.addStringPosition = keys.text(addStringPosition, d.addStringPosition);
    o.dropOriginalExtension = keys.flag(dropOriginalExtension, d.dropOriginalExtension);
    return o;
}

void saveTreatmentOptions(const QString& settingsFile, const TreatmentOptions& o)
{
    using namespace SettingsKey;
    const auto write = [&](const QString& key, const std::optional<QString>& value) {
        writeIniString(settingsFile, Section, key, value);
    };
    write(removeLeadingDigits, boolText(o.removeLeadingDigits));
    write(removeLeadingNonAlphanumerics, boolText(o.removeLeadingNonAlphanumerics));
    write(removeCapitals, boolText(o.removeCapitals));
    write(removeDurations, boolText(o.removeDurations));
    write(removeTerms, boolText(o.removeTerms));
    write(termsToRemove, encodeSpaces(o.termsToRemove));
    write(replace, boolText(o.replace));
    write(replaceFrom, withQuotesKept(encodeSpaces(o.replaceFrom)));
    write(replaceTo, withQuotesKept(encodeSpaces(o.replaceTo)));
    write(replaceRegex, boolText(o.replaceRegex));
    write(removeEmptyLines, boolText(o.removeEmptyLines));
    write(removeCharacters, boolText(o.removeCharacters));
    write(removeCharactersCount, o.removeCharactersCount);
    write(removeCharactersMode, modeText(o.removeCharactersMode));
    write(removeCharactersPosition, o.removeCharactersPosition);
    write(numbering, boolText(o.numbering));
    write(numberingPosition, modeText(o.numberingPosition));
    write(NumberingDigitsOld, std::nullopt);
    write(numberingWidth, QString::number(o.numberingWidth));
    write(numberingPrefix, encodeSpaces(o.numberingPrefix));
    write(numberingSuffix, encodeSpaces(o.numberingSuffix));
    write(addString, boolText(o.addString));
    write(addStringText, encodeSpaces(o.addStringText));
    write(addStringMode, modeText(o.addStringMode));
    write(addStringPosition, o.addStringPosition);
    write(dropOriginalExtension, boolText(o.dropOriginalExtension));
}

} // namespace tervane
