// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/SpecialFolders.h"

namespace tervane {

QString SpecialFolders::get(int csidl) const
{
    switch (csidl) {
    case AppDataFolder:
        return appData;
    case ProgramFilesFolder:
        return programFiles;
    case DocumentsFolder:
        return documents;
    default:
        return {};
    }
}

} // namespace tervane
