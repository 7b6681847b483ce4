// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tervane {

// The special folders, read once from the system (platform) and replaceable
// as a whole so that a test can put them in a temporary folder.
struct SpecialFolders {
    QString appData;
    QString programFiles;
    QString documents;
    QString state = {}; // where programs keep what must outlive them ($XDG_STATE_HOME)
};

} // namespace tervane
