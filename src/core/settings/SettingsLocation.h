// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/SpecialFolders.h"

#include <QString>

namespace tervane {

// Where the settings file lives: under the application-data folder when the
// program is installed under the install prefix, next to the program
// otherwise (portable mode).
struct SettingsLocation {
    QString folderPath; // always ends with the separator
    QString filePath;
    bool installed = false;
    QString earlierFile; // a settings file left next to an installed program, to move
};

inline const QString MakerFolderName = QStringLiteral("Morvak");

SettingsLocation settingsLocationFor(const QString& programFolder, const SpecialFolders& folders,
                                     const QString& title);

// Installed mode: creates the maker folder and the settings folder where
// missing. Throws AppError when a folder cannot be created.
void createSettingsFolders(const SettingsLocation& location, const SpecialFolders& folders);

// Moves a settings file left next to the program to its installed place:
// a failed copy throws AppError, a failed deletion is ignored.
void migrateEarlierSettings(const SettingsLocation& location);

} // namespace tervane
