// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/GeneralSettings.h"

#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"

namespace tervane {

QString readLanguage(const QString& file)
{
    return readIniString(file, SettingsKey::Section, SettingsKey::Language, {});
}

void writeLanguage(const QString& file, const QString& language)
{
    writeIniString(file, SettingsKey::Section, SettingsKey::Language, language);
}

QString readExtensions(const QString& file)
{
    return readIniString(file, SettingsKey::Section, SettingsKey::Extensions, DefaultExtensions);
}

void writeExtensions(const QString& file, const QString& patterns)
{
    writeIniString(file, SettingsKey::Section, SettingsKey::Extensions, patterns);
}

QString readLastFolder(const QString& file, const QString& fallback)
{
    return readIniString(file, SettingsKey::Section, SettingsKey::LastFolder, fallback);
}

void writeLastFolder(const QString& file, const QString& folder)
{
    writeIniString(file, SettingsKey::Section, SettingsKey::LastFolder, folder);
}

int readHistoryLength(const QString& file)
{
    bool ok = false;
    const int length = readIniString(file, SettingsKey::Section, SettingsKey::HistoryLength, {})
                           .trimmed()
                           .toInt(&ok);
    return ok && length >= 1 && length <= 1000 ? length : DefaultHistoryLength;
}

} // namespace tervane
