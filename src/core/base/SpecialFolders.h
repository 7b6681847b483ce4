// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tervane {

// Special folder numbers the program asks for.
enum SpecialFolderId { AppDataFolder = 26, ProgramFilesFolder = 38, DocumentsFolder = 5 };

// The special folders, read once from the system (platform) and replaceable
// as a whole so that a test can put them in a temporary folder.
struct SpecialFolders {
    QString appData;
    QString programFiles;
    QString documents;
    QString state = {}; // where programs keep what must outlive them ($XDG_STATE_HOME)

    QString get(int csidl) const;
};

} // namespace tervane
