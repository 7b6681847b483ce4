#pragma once

#include "i18n/LanguageChoice.h"
#include "i18n/TranslationCatalogue.h"

#include <QString>

namespace tervane {

// Application-wide state, owned by the main window for the life of the
// process. The three change flags only ever go from false to true.
struct AppState {
    QString SettingsFolderPath; // ends with the separator
    QString SettingsFilePath;
    QString InterfaceLanguage; // "Français" or the base name of a language file
    QString LanguageFilePath;  // empty for French
    bool TreatmentSettingsChanged = false;
    bool WindowOptionsChanged = false;
    bool RestartRequired = false;
    bool IsLoading = false;
    TranslationCatalogue catalogue;
};

} // namespace tervane
