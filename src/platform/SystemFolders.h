// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/SpecialFolders.h"

namespace tervane {

// The system's answer for one special folder, without a trailing separator;
// empty for a number the program does not use.
QString getSpecialFolder(int csidl);

// The three special folders as the system reports them.
SpecialFolders systemSpecialFolders();

} // namespace tervane
