// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "i18n/LanguageChoice.h"
#include "i18n/TranslationCatalogue.h"

#include <QString>

namespace tervane {

// Application-wide state, owned by the main window for the life of the
// process. The three change flags only ever go from false to true.
struct AppState {
    QString settingsFolderPath; // ends with the separator
    QString settingsFilePath;
    QString interfaceLanguage; // "Français" or the base name of a language file
    QString languageFilePath;  // empty for French
    bool treatmentSettingsChanged = false;
    bool windowOptionsChanged = false;
    bool restartRequired = false;
    bool isLoading = false;
    TranslationCatalogue catalogue;
};

} // namespace tervane
