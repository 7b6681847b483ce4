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
        return ReadIniString(m_file, SettingsKey::Section, key, defaultValue);
    }
    bool flag(const QString& key, bool defaultValue) const
    {
        return ReadBoolValue(text(key, BoolText(defaultValue)));
    }
    QString spaced(const QString& key, const QString& defaultValue) const
    {
        return DecodeSpaces(text(key, EncodeSpaces(defaultValue)));
    }
    InsertPosition mode(const QString& key, int buttonCount) const
    {
        // A mode naming no option button reads as the first one.
        const int index = ReadNumberValue(text(key, QStringLiteral("0")));
        return index < 0 || index >= buttonCount ? InsertPosition::AtStart
                                                 : static_cast<InsertPosition>(index);
    }

private:
    QString m_file;
};

QString modeText(InsertPosition mode)
{
    return QString::number(static_cast<int>(mode));
}

} // namespace

int CorrectNumberingWidth(int width)
{
    if (width == 1)
        return 2;
    return width < 0 || width > 9 ? 0 : width;
}

TreatmentOptions LoadTreatmentOptions(const QString& settingsFile)
{
    using namespace SettingsKey;
    const TreatmentKeys keys(settingsFile);
    const TreatmentOptions d;
    TreatmentOptions o;
    o.RemoveLeadingDigits = keys.flag(RemoveLeadingDigits, d.RemoveLeadingDigits);
    o.RemoveLeadingNonAlphanumerics =
        keys.flag(RemoveLeadingNonAlphanumerics, d.RemoveLeadingNonAlphanumerics);
    o.RemoveCapitals = keys.flag(RemoveCapitals, d.RemoveCapitals);
    o.RemoveDurations = keys.flag(RemoveDurations, d.RemoveDurations);
    o.RemoveTerms = keys.flag(RemoveTerms, d.RemoveTerms);
    o.TermsToRemove = keys.spaced(TermsToRemove, d.TermsToRemove);
    o.RemoveEmptyLines = keys.flag(RemoveEmptyLines, d.RemoveEmptyLines);
    o.RemoveCharacters = keys.flag(RemoveCharacters, d.RemoveCharacters);
    o.RemoveCharactersCount = keys.text(RemoveCharactersCount, d.RemoveCharactersCount);
    o.RemoveCharactersMode = keys.mode(RemoveCharactersMode, 3);
    o.RemoveCharactersPosition = keys.text(RemoveCharactersPosition, d.RemoveCharactersPosition);
    o.Numbering = keys.flag(Numbering, d.Numbering);
    o.NumberingPosition = keys.mode(NumberingPosition, 2);
    const QString olderWidth = keys.text(NumberingDigitsOld, QStringLiteral("2"));
    o.NumberingWidth =
        CorrectNumberingWidth(ReadNumberValue(keys.text(NumberingWidth, olderWidth)));
    // Parts of names: a settings file edited by hand may hold what no file
    // name can.
    o.NumberingPrefix = CleanNamePart(keys.spaced(NumberingPrefix, d.NumberingPrefix));
    o.NumberingSuffix = CleanNamePart(keys.spaced(NumberingSuffix, d.NumberingSuffix));
    o.AddString = keys.flag(AddString, d.AddString);
    o.AddStringText = CleanNamePart(keys.spaced(AddStringText, d.AddStringText));
    o.AddStringMode = keys.mode(AddStringMode, 3);
    o.AddStringPosition = keys.text(AddStringPosition, d.AddStringPosition);
    o.DropOriginalExtension = keys.flag(DropOriginalExtension, d.DropOriginalExtension);
    return o;
}

void SaveTreatmentOptions(const QString& settingsFile, const TreatmentOptions& o)
{
    using namespace SettingsKey;
    const auto write = [&](const QString& key, const std::optional<QString>& value) {
        WriteIniString(settingsFile, Section, key, value);
    };
    write(RemoveLeadingDigits, BoolText(o.RemoveLeadingDigits));
    write(RemoveLeadingNonAlphanumerics, BoolText(o.RemoveLeadingNonAlphanumerics));
    write(RemoveCapitals, BoolText(o.RemoveCapitals));
    write(RemoveDurations, BoolText(o.RemoveDurations));
    write(RemoveTerms, BoolText(o.RemoveTerms));
    write(TermsToRemove, EncodeSpaces(o.TermsToRemove));
    write(RemoveEmptyLines, BoolText(o.RemoveEmptyLines));
    write(RemoveCharacters, BoolText(o.RemoveCharacters));
    write(RemoveCharactersCount, o.RemoveCharactersCount);
    write(RemoveCharactersMode, modeText(o.RemoveCharactersMode));
    write(RemoveCharactersPosition, o.RemoveCharactersPosition);
    write(Numbering, BoolText(o.Numbering));
    write(NumberingPosition, modeText(o.NumberingPosition));
    write(NumberingDigitsOld, std::nullopt);
    write(NumberingWidth, QString::number(o.NumberingWidth));
    write(NumberingPrefix, EncodeSpaces(o.NumberingPrefix));
    write(NumberingSuffix, EncodeSpaces(o.NumberingSuffix));
    write(AddString, BoolText(o.AddString));
    write(AddStringText, EncodeSpaces(o.AddStringText));
    write(AddStringMode, modeText(o.AddStringMode));
    write(AddStringPosition, o.AddStringPosition);
    write(DropOriginalExtension, BoolText(o.DropOriginalExtension));
}

} // namespace tervane
